#include "net/uri.h"
