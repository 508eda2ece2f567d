#include "tools/demo-service/demo_feed.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

namespace kx {

namespace {

// A league and the towns its clubs are named after; style picks the club names' pattern.
enum class ClubStyle { English, Latin, German, Nordic, Eastern, Turkish, Plain };

struct League {
  std::string_view name;
  ClubStyle style;
  std::array<std::string_view, 10> towns;
};

// Invented towns, in the sound of each country. International competitions
// borrow clubs from the national leagues; the last three leagues are ones the
// client's flag table does not know.
constexpr std::array<League, 30> kLeagues{{
    {"England. Premier League",
     ClubStyle::English,
     {"Ashbury", "Kingsmoor", "Wexley", "Hartfield", "Brockton", "Elmstead", "Redbridge Vale",
      "Thornby", "Castlegate", "Marston"}},
    {"England. Championship",
     ClubStyle::English,
     {"Oakhurst", "Fenwick", "Stourley", "Milbrook", "Harrowden", "Dunmore", "Caverly", "Westleigh",
      "Pendle Cross", "Rushford"}},
    {"Scotland. Premiership",
     ClubStyle::English,
     {"Glenrock", "Dunlarrig", "Kilbrae", "Strathmuir", "Inverlochy", "Balmorran", "Carrick Bay",
      "Aberstane", "Lochend", "Fintry"}},
    {"Spain. La Liga",
     ClubStyle::Latin,
     {"Valdemora", "San Roque", "Castellar", "Villanueva", "Puerto Alto", "Almedina", "Torreblanca",
      "Montalbán", "Sierra Norte", "Aguilar"}},
    {"Italy. Serie A",
     ClubStyle::Latin,
     {"Castelverde", "Montebello", "San Vittore", "Portoferro", "Valdarno", "Rocca Nuova",
      "Fiorenzano", "Lucerano", "Torrazza", "Borgovalle"}},
    {"Portugal. Primeira Liga",
     ClubStyle::Latin,
     {"Vila Serra", "Porto Velho", "Santarém Nova", "Alcobaça", "Ribeira", "Monte Claro",
      "Figueiral", "Azenhas", "Boa Vista", "Lagoa"}},
    {"Brazil. Serie A",
     ClubStyle::Latin,
     {"Campo Alegre", "Rio Claro", "Santa Luzia", "Porto Verde", "Nova Esperança", "Itaboraí",
      "Vila Rica", "Guarapuava", "Mato Alto", "São Joaquim"}},
    {"Argentina. Primera Division",
     ClubStyle::Latin,
     {"Villa Crespo", "San Telmo", "Río Cuarto", "Las Heras", "Bahía Clara", "Quilmes Norte",
      "Santa Rosa", "Tandil", "Lomas Verdes", "Junín"}},
    {"Mexico. Liga MX",
     ClubStyle::Latin,
     {"Tlaxcala", "San Mateo", "Valle Hermoso", "Puerto Real", "Ciudad Jardín", "Tepeyac",
      "Las Palmas", "Monterrey Sur", "Altamira", "Cuautla"}},
    {"Colombia. Primera A",
     ClubStyle::Latin,
     {"Santa Marta Alta", "Villavieja", "Río Negro", "Palmira", "San Gil", "Bucaramar",
      "Cartagena Sur", "Tunja", "Girardot", "La Dorada"}},
    {"France. Ligue 1",
     ClubStyle::Latin,
     {"Saint-Aubin", "Montclair", "Villeneuve", "Bellerive", "Rocheval", "Valmont", "Beaumarais",
      "Châteaulin", "Mirepoix", "Clairfont"}},
    {"Germany. Bundesliga",
     ClubStyle::German,
     {"Altenburg", "Rheinfeld", "Steinhausen", "Waldkirch", "Ostermark", "Lindenau", "Bergheim",
      "Falkenstein", "Neustadt am See", "Grünwald"}},
    {"Austria. Bundesliga",
     ClubStyle::German,
     {"Kirchdorf", "Almtal", "Hallstein", "Seewalchen", "Bergstadt", "Innfeld", "Drautal", "Mürzau",
      "Ennsburg", "Traunried"}},
    {"Switzerland. Super League",
     ClubStyle::German,
     {"Seeland", "Aarberg", "Rheinfall", "Lindau am See", "Thunwald", "Emmenau", "Brugg", "Sarnen",
      "Wildegg", "Zugerberg"}},
    {"Holland. Eredivisie",
     ClubStyle::German,
     {"Veendijk", "Zuidmeer", "Hoogvliet", "Sluiskerk", "Oosterdam", "Lingewaard", "Bergerveen",
      "Heemsteden", "Waalburg", "Dokkumer"}},
    {"Sweden. Allsvenskan",
     ClubStyle::Nordic,
     {"Björkvik", "Strandholm", "Ekeby", "Västerå", "Lindköping", "Hallsberga", "Sjöstad",
      "Granhult", "Norrvik", "Älvdal"}},
    {"Norway. Eliteserien",
     ClubStyle::Nordic,
     {"Fjellstad", "Nordvik", "Sandnes Øst", "Bergvik", "Havøy", "Lillefjord", "Skogheim",
      "Tromvik", "Elvestad", "Kvitberg"}},
    {"Denmark. Superliga",
     ClubStyle::Nordic,
     {"Søholm", "Vesterby", "Randrup", "Kystby", "Hedelund", "Fjordholm", "Skovlunde", "Østerå",
      "Lyngby Nord", "Havnsø"}},
    {"Russia. Premier League",
     ClubStyle::Eastern,
     {"Volzhsk", "Severograd", "Krasnoyar", "Belozersk", "Ust-Kama", "Novodvinsk", "Zarechny",
      "Pokrovka", "Tverskoy", "Oktyabrsk"}},
    {"Ukraine. Premier League",
     ClubStyle::Eastern,
     {"Dniprovka", "Zoriany", "Kalynivka", "Bilohirsk", "Stepove", "Pivdenne", "Lisove",
      "Mykolaiv Nord", "Yasenove", "Horodok"}},
    {"Poland. Ekstraklasa",
     ClubStyle::Eastern,
     {"Wierzbno", "Górki", "Zielonka", "Brzezina", "Lesznica", "Stary Sącz", "Kamionka", "Bielawa",
      "Nowy Dwór", "Sokolniki"}},
    {"Czech Rep. First League",
     ClubStyle::Eastern,
     {"Horní Lhota", "Bystřice", "Kamenice", "Lipová", "Dolany", "Vysoké Pole", "Tábor Nový",
      "Hradek", "Ostrava Jih", "Litovel"}},
    {"Turkey. Super Lig",
     ClubStyle::Turkish,
     {"Karadeniz", "Akçaköy", "Yeşilova", "Bozdağ", "Kızılırmak", "Altınova", "Ege Körfez",
      "Sarıyer Tepe", "Gölbaşı", "Kartaltepe"}},
    {"Japan. J1 League",
     ClubStyle::English,
     {"Hanamori", "Kitayama", "Minato Bay", "Asahigawa", "Shirakawa", "Tsubame", "Kawanishi",
      "Aoyama", "Hoshizora", "Yamabuki"}},
    {"United States. MLS",
     ClubStyle::English,
     {"Cedar Falls", "Harbor City", "Redwood", "Lakeshore", "Mesa Verde", "Ironton", "Bayview",
      "Silver Creek", "Prairie", "Summit"}},
    {"UEFA. Champions League",
     ClubStyle::Plain,
     {"Real Valdemora", "Altenburg 04", "Ashbury United", "AC Castelverde", "Olympique Montclair",
      "Sporting Vila Serra", "Dynamo Volzhsk", "Björkvik IF", "Ajax Veendijk", "Celtic Glenrock"}},
    {"CONMEBOL. Copa Libertadores",
     ClubStyle::Plain,
     {"Atlético Campo Alegre", "River Villa Crespo", "Nacional Santa Marta", "Club San Telmo",
      "Deportivo Rio Claro", "Independiente Tandil", "Santos Porto Verde", "Olimpia Junín",
      "Estudiantes Las Heras", "Cruzeiro Vila Rica"}},
    {"Atlantis. Island League",
     ClubStyle::English,
     {"Coral Bay", "Sunhaven", "Port Azure", "Seagrove", "Tidewater", "Pearl Harbour", "Lighthouse",
      "Driftwood", "Saltmarsh", "Bluecliff"}},
    {"Gibraltar. National League",
     ClubStyle::English,
     {"Europa Point", "Catalan Bay", "Rosia", "Upper Rock", "Westside", "Eastern Beach",
      "Moorish Castle", "Ocean Village", "Harbour Views", "Camp Bay"}},
    {"Club Friendlies",
     ClubStyle::Plain,
     {"Kingsmoor", "Rheinfeld", "Valdemora", "Strandholm", "Krasnoyar", "Montebello", "Hanamori",
      "Cedar Falls", "Saint-Aubin", "Glenrock"}},
}};

std::string ClubName(ClubStyle style, std::string_view town, std::mt19937& random) {
  static constexpr std::array<std::string_view, 4> kEnglish{" United", " City", " Town", " Rovers"};
  static constexpr std::array<std::string_view, 4> kLatinPrefix{"Real ", "Atlético ", "Deportivo ",
                                                                "Sporting "};
  static constexpr std::array<std::string_view, 4> kGermanPrefix{"FC ", "SV ", "VfB ", "SC "};
  static constexpr std::array<std::string_view, 3> kNordic{" IF", " BK", " FK"};
  static constexpr std::array<std::string_view, 4> kEasternPrefix{"Dynamo ", "Lokomotiv ",
                                                                  "Spartak ", "Torpedo "};
  std::uniform_int_distribution<int> pick(0, 3);
  int choice = pick(random);
  std::string name(town);
  switch (style) {
    case ClubStyle::English:
      return choice == 3 ? name + " FC"
                         : name + std::string(kEnglish[static_cast<std::size_t>(choice)]);
    case ClubStyle::Latin:
      return std::string(kLatinPrefix[static_cast<std::size_t>(choice)]) + name;
    case ClubStyle::German:
      return std::string(kGermanPrefix[static_cast<std::size_t>(choice)]) + name;
    case ClubStyle::Nordic:
      return name + std::string(kNordic[static_cast<std::size_t>(choice % 3)]);
    case ClubStyle::Eastern:
      return std::string(kEasternPrefix[static_cast<std::size_t>(choice)]) + name;
    case ClubStyle::Turkish:
      return choice < 2 ? name + "spor" : name + " SK";
    default:
      return name;
  }
}

int Clamp(double value, int low, int high) {
  return std::clamp(static_cast<int>(std::lround(value)), low, high);
}

// One season's seven percentages: a home-draw-away split and the goal lines.
struct Season {
  int p1, x, p2, t05, t15, t25, oz, count;
};

Season AverageSeason(std::mt19937& random) {
  std::normal_distribution<double> strength(0.0, 1.0);
  double s = strength(random);
  int p1 = Clamp(45 + 17 * s, 8, 85);
  int x = Clamp(27 - std::abs(s) * 6 + strength(random) * 3, 8, 40);
  int p2 = std::max(0, 100 - p1 - x);
  double goals = strength(random);
  int t05 = Clamp(91 + 5 * goals, 70, 100);
  int t15 = Clamp(74 + 9 * goals, 45, 100);
  int t25 = Clamp(52 + 12 * goals, 20, 95);
  int oz = Clamp(50 + 11 * goals + strength(random) * 5, 20, 90);
  std::uniform_int_distribution<int> count(18, 40);
  return {p1, x, p2, t05, t15, t25, oz, count(random)};
}

// The current season wanders from the average, more so with fewer games.
Season CurrentSeason(const Season& average, std::mt19937& random) {
  std::uniform_int_distribution<int> played(3, 19);
  int count = played(random);
  double spread = 40.0 / std::sqrt(static_cast<double>(count));
  std::normal_distribution<double> noise(0.0, spread);
  auto near = [&](int value, int low) { return Clamp(value + noise(random), low, 100); };
  int p1 = near(average.p1, 0);
  int x = std::min(near(average.x, 0), 100 - p1);
  int p2 = 100 - p1 - x;
  // A short season can be perfect on the goal lines.
  std::uniform_int_distribution<int> chance(0, 9);
  int t05 = count < 7 && chance(random) < 4 ? 100 : near(average.t05, 40);
  return {p1, x, p2, t05, near(average.t15, 20), near(average.t25, 0), near(average.oz, 0), count};
}

std::string Odds(int percent, double drift = 1.0) {
  // The bookmaker's margin of about 7 %, and a floor for near-certain outcomes.
  double odds = std::max(1.05, 93.0 / std::max(percent, 3) * drift);
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", odds);
  return text;
}

void AppendTag(std::string& feed, std::string_view name, std::string_view text) {
  feed += '<';
  feed += name;
  feed += '>';
  feed += text;
  feed += "</";
  feed += name;
  feed += '>';
}

void AppendSeason(std::string& feed, const Season& season, std::string_view suffix) {
  const std::array<std::pair<std::string_view, int>, 8> fields{{{"p1", season.p1},
                                                                {"x", season.x},
                                                                {"p2", season.p2},
                                                                {"t05", season.t05},
                                                                {"t15", season.t15},
                                                                {"t25", season.t25},
                                                                {"oz", season.oz},
                                                                {"count", season.count}}};
  for (const auto& [name, value] : fields) {
    AppendTag(feed, std::string(name) + std::string(suffix), std::to_string(value));
  }
}

std::vector<int> KickOffs(int matches, std::mt19937& random) {
  std::uniform_int_distribution<int> slot(0, 47);  // 11:00 to 22:45 by quarters
  std::vector<int> minutes(static_cast<std::size_t>(matches));
  for (int& m : minutes) m = 11 * 60 + slot(random) * 15;
  std::sort(minutes.begin(), minutes.end());
  return minutes;
}

}  // namespace

std::string GenerateDemoFeed(const DemoFeedOptions& options) {
  std::mt19937 random(options.seed);
  std::uniform_int_distribution<std::size_t> pickLeague(0, kLeagues.size() - 1);
  std::uniform_int_distribution<std::size_t> pickTown(0, 9);
  std::string feed;
  feed.reserve(static_cast<std::size_t>(std::max(options.matches, 0)) * 620);
  std::vector<int> kickOffs = KickOffs(std::max(options.matches, 0), random);
  // The odds of a later update move by up to 6 % either way, from a generator
  // of their own, so that everything else stays as it was.
  std::mt19937 drift(options.seed ^ (static_cast<std::uint32_t>(options.update) * 0x9E3779B9u));
  std::uniform_real_distribution<double> move(0.94, 1.06);
  auto moved = [&] { return options.update == 0 ? 1.0 : move(drift); };
  for (int i = 0; i < options.matches; ++i) {
    const League& league = kLeagues[pickLeague(random)];
    std::size_t home = pickTown(random);
    std::size_t away = (home + 1 + pickTown(random) % 9) % 10;
    Season average = AverageSeason(random);
    Season current = CurrentSeason(average, random);
    int minutes = kickOffs[static_cast<std::size_t>(i)];
    char time[24];
    std::snprintf(time, sizeof time, "%02d:%02d", minutes / 60, minutes % 60);

    feed += "<match>";
    AppendTag(feed, "id",
              std::to_string(options.seed % 100000 * 1000 + static_cast<unsigned>(i) + 1));
    AppendTag(feed, "date", options.date);
    AppendTag(feed, "time", time);
    AppendTag(feed, "home", ClubName(league.style, league.towns[home], random));
    AppendTag(feed, "away", ClubName(league.style, league.towns[away], random));
    AppendTag(feed, "liga", league.name);
    AppendTag(feed, "kf1", Odds(average.p1, moved()));
    AppendTag(feed, "kf2", Odds(average.x, moved()));
    AppendTag(feed, "kf3", Odds(average.p2, moved()));
    AppendSeason(feed, average, "");
    AppendSeason(feed, current, "v");
    feed += "</match>\n";
  }
  return feed;
}

}  // namespace kx
