// What the explored states say about the story: its parts, endings, unused pieces, and what must hold.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/explore/explorer.h"

namespace tolm::explore {

// A part begins when its gate is passed: Jít opens the second scene, Dál the town, a purchase the trip.
enum class Part : std::uint8_t { Opening, SecondScene, Town, Trip };
inline constexpr std::size_t kPartCount = 4;
std::string_view partName(Part p);

// The statements about the story that every reachable state must bear out.
enum class Rule : std::uint8_t {
    PartsInOrder,     // each part is entered only through its gate, from the part before it
    DalPaidOnce,      // Dál and its 10000 only once, from the second scene
    OneCard,          // one purchase at most, and never two card labels at once
    CardDecidesTrip,  // the choices of the trip follow from the card bought
    Endings,          // exactly the story's endings end the game, and every one of them can
    MouseVisit3Once,  // without the keyboard, Visit3 is clicked at most once
    PurseNeverNegative,
    Choice1LastRow,     // Choice1 is only ever clicked with more than 2000 in the purse
    PurseLimit,         // only the Visit3 loop takes the purse to 32767
    TextsShown,         // every story text but T24, and every description, shows in play
    SilentButtons,      // Jiříkov and Rumburk change nothing
    DescriptionOfCard,  // Popis describes a card that is shown, or one a choice just took away
    GameGoesOn,         // no runtime error, no dead end, the display and captions as the story keeps them
};
inline constexpr std::size_t kRuleCount = 13;
std::string_view ruleName(Rule r);

struct Violation {
    Rule rule;
    std::string what;
};

struct PurseRange {
    std::int16_t low = INT16_MAX;
    std::int16_t high = INT16_MIN;
    std::size_t states = 0;
};

// The click that ends the game, the states it leads to, and the shortest way there.
struct Ending {
    Control choice;
    std::size_t states = 0;
    std::uint32_t firstMove = kNoMove;  // the ending click at the end of the shortest way
};

// A button that only the keyboard reaches somewhere, and what lies in front of it there.
struct HiddenButton {
    Control button;
    std::set<Control> behind;
    std::size_t moves = 0;
};

struct Findings {
    std::vector<Part> part;                    // per state
    std::vector<std::optional<Control>> card;  // per state: the card label the purchase showed
    std::vector<bool> over;                    // per state: no click but Konec changes anything
    std::vector<bool> needsKeyboard;           // per state: the mouse alone cannot get there
    std::vector<Ending> endings;               // in order of the shortest way's length
    std::vector<std::uint32_t> deadEnds;       // states from which no ending can be reached
    std::array<PurseRange, kPartCount> purse;
    std::vector<Control> controlsNeverShown;
    std::vector<content::Text> textsNeverShown;  // story texts and descriptions
    std::vector<std::string> handlersNeverRun;
    std::vector<HiddenButton> keyboardOnly;
    std::size_t changingMoves = 0;
    std::size_t keyboardMoves = 0;
    std::vector<Violation> violations;
};

Findings examine(const Exploration& x);

}  // namespace tolm::explore
