#pragma once

#include <cstdint>
#include <string>

namespace kx {

// What the demo service's feed of the day holds.
struct DemoFeedOptions {
  int matches = 150;
  std::uint32_t seed = 0;  // the same seed gives the same feed
  std::string date = "2026-12-09";
  // The feed's update of the day: 0 is the first; each later one has the same
  // matches with the bookmaker's odds moved a little.
  int update = 0;
};

// The day's matches in the service's document format: one "<match>" element per
// match, with leagues named "Country. League" (a few unknown to the client),
// invented club names of the league's country, kick-off times in order, and
// odds that agree with percentages over three seasons and the current one.
std::string GenerateDemoFeed(const DemoFeedOptions& options);

}  // namespace kx
