// Reads the explored states: parts, endings, what play never reaches, and the rules that must hold.
#include "tools/explore/findings.h"

#include <algorithm>
#include <map>
#include <set>

#include "layout/layout.h"

namespace tolm::explore {
namespace {

using content::Text;
using enum Control;

constexpr std::int16_t kPurseLimit = INT16_MAX;
constexpr std::int16_t kChoice1LastRowAbove = 2000;
constexpr std::size_t kNoState = SIZE_MAX;

struct Gate {
    Control button;
    Part opens;
};
constexpr Gate kGates[] = {
    {Jit, Part::SecondScene}, {Dal, Part::Town},  {Buy1, Part::Trip},
    {Buy2, Part::Trip},       {Buy3, Part::Trip}, {Buy4, Part::Trip},
};

// Card N and its description DN.
constexpr Control kCards[] = {Card1, Card2, Card3, Card4};
constexpr Text kDescriptions[] = {Text::D1, Text::D2, Text::D3, Text::D4};

// The clicks that end the story; Choice1 only when it pays, Šlukonv only with the purse empty.
constexpr Control kEndings[] = {Choice2, Choice5, Pokracovat2, Vyrazit, Smula, Dale, Choice1, Slukonv};

// Which of the trip's choices each card lets the player make.
constexpr Control kTripChoices[] = {Pryc, Dat, darovat, Smula, Dal4};
struct TripOfCard {
    Control card;
    std::set<Control> clicked;
};
const std::vector<TripOfCard>& tripsOfCards() {
    static const std::vector<TripOfCard> trips{
        {Card1, {Pryc, darovat, Dal4}},
        {Card2, {Pryc, Smula}},
        {Card3, {Pryc, Dat, Smula, Dal4}},
        {Card4, {Pryc, Smula}},
    };
    return trips;
}

constexpr Text kNeverShown = Text::T24;  // Choice1 never finds the purse below 1000

const Gate* gateOf(const Event& e) {
    if (!e.isClick()) return nullptr;
    for (const Gate& g : kGates)
        if (g.button == *e.control) return &g;
    return nullptr;
}

bool clicks(const Event& e, Control button) { return e.isClick() && *e.control == button; }

std::string names(const std::set<Control>& controls) {
    std::string text;
    for (Control c : controls) {
        if (!text.empty()) text += ", ";
        text += controlName(c);
    }
    return text.empty() ? "nothing" : text;
}

// Collects the breaches of each rule: the first in full, the others counted.
class Breaches {
public:
    Breaches(const Exploration& x, std::vector<Violation>& out) : x_(x), out_(out) {}

    void add(Rule rule, const std::string& what, std::size_t state = kNoState) {
        if (++counts_[static_cast<std::size_t>(rule)] > 1) return;
        std::string text = what;
        if (state != kNoState)
            text += " [way there: " + x_.describe(x_.pathTo(static_cast<std::uint32_t>(state))) + "]";
        out_.push_back({rule, text});
    }

    void finish() {
        for (Violation& v : out_)
            if (const std::size_t more = counts_[static_cast<std::size_t>(v.rule)] - 1)
                v.what += " (and " + std::to_string(more) + " more)";
    }

private:
    const Exploration& x_;
    std::vector<Violation>& out_;
    std::array<std::size_t, kRuleCount> counts_{};
};

class Examination {
public:
    explicit Examination(const Exploration& x) : x_(x), breaches_(x, f_.violations) {}

    Findings run() {
        for (const Fault& fault : x_.faults)
            breaches_.add(Rule::GameGoesOn, fault.what, fault.state.value_or(kNoState));
        placeInParts();
        findEndings();
        findDeadEnds();
        findKeyboardStates();
        countUnused();
        checkStates();
        checkMoves();
        checkTrips();
        breaches_.finish();
        return std::move(f_);
    }

private:
    const State& state(std::uint32_t s) const { return x_.states[s]; }

    // Every move keeps the part and the card of the state it leaves, except a gate, which opens
    // its part; in breadth-first order a move's origin is placed before the move is read.
    void placeInParts() {
        const std::size_t n = x_.states.size();
        f_.part.assign(n, Part::Opening);
        f_.card.assign(n, std::nullopt);
        std::vector<bool> placed(n);
        placed[0] = true;
        for (const Move& m : x_.moves) {
            if (m.leavesGame()) continue;
            Part part = f_.part[m.from];
            std::optional<Control> card = f_.card[m.from];
            if (const Gate* gate = gateOf(x_.eventOf(m)); gate && m.changes()) {
                checkGate(*gate, part, m.from);
                part = gate->opens;
                if (part == Part::Trip) card = cardShownBy(m);
            }
            if (!placed[m.to]) {
                placed[m.to] = true;
                f_.part[m.to] = part;
                f_.card[m.to] = card;
            } else if (f_.part[m.to] != part) {
                breaches_.add(Rule::PartsInOrder,
                              "a state lies both in " + std::string(partName(f_.part[m.to])) + " and in " +
                                  std::string(partName(part)),
                              m.to);
            } else if (f_.card[m.to] != card) {
                breaches_.add(Rule::OneCard, "a state is reached with two different cards bought", m.to);
            }
        }
        for (std::size_t s = 0; s < n; ++s) {
            PurseRange& range = f_.purse[static_cast<std::size_t>(f_.part[s])];
            range.low = std::min(range.low, state(s).purse);
            range.high = std::max(range.high, state(s).purse);
            ++range.states;
        }
        for (std::size_t p = 0; p < kPartCount; ++p)
            if (f_.purse[p].states == 0)
                breaches_.add(Rule::PartsInOrder, std::string(partName(Part(p))) + " is never reached");
    }

    void checkGate(const Gate& gate, Part from, std::uint32_t s) {
        if (static_cast<std::size_t>(gate.opens) == static_cast<std::size_t>(from) + 1) return;
        const std::string what = std::string(controlName(gate.button)) + " clicked in " + std::string(partName(from));
        if (gate.button == Dal)
            breaches_.add(Rule::DalPaidOnce, what, s);
        else if (from == Part::Trip)
            breaches_.add(Rule::OneCard, "a second card bought: " + what, s);
        else
            breaches_.add(Rule::PartsInOrder, what, s);
    }

    std::optional<Control> cardShownBy(const Move& m) const {
        for (Control c : kCards)
            if (state(m.to).visible[indexOf(c)] && !state(m.from).visible[indexOf(c)]) return c;
        return std::nullopt;
    }

    // Over: no click but Konec changes anything; pointer moves only show or hide a description.
    void findEndings() {
        f_.over.assign(x_.states.size(), true);
        for (const Move& m : x_.moves) {
            if (x_.eventOf(m).isClick() && m.changes() && m.to != kProgramEnd) f_.over[m.from] = false;
            f_.changingMoves += m.changes() && !m.leavesGame();
        }
        // How long a way is: its moves, then its keyboard moves.
        std::vector<std::pair<std::size_t, std::size_t>> length(x_.states.size());
        for (std::size_t s = 1; s < x_.states.size(); ++s) {
            const Move& m = x_.moves[x_.foundBy[s]];
            length[s] = {length[m.from].first + 1, length[m.from].second + (m.reach == Reach::KeyboardOnly)};
        }
        const auto lengthWith = [&](const Move& m) {
            return std::pair{length[m.from].first + 1, length[m.from].second + (m.reach == Reach::KeyboardOnly)};
        };

        std::map<Control, std::set<std::uint32_t>> reached;
        std::map<Control, std::uint32_t> shortest;
        for (std::uint32_t i = 0; i < x_.moves.size(); ++i) {
            const Move& m = x_.moves[i];
            if (m.leavesGame() || f_.over[m.from] || !f_.over[m.to]) continue;
            const Event& e = x_.eventOf(m);
            if (!e.isClick()) {
                breaches_.add(Rule::Endings, "the " + x_.eventName(m) + " ends the game", m.from);
                continue;
            }
            reached[*e.control].insert(m.to);
            auto [it, fresh] = shortest.try_emplace(*e.control, i);
            if (!fresh && lengthWith(m) < lengthWith(x_.moves[it->second])) it->second = i;
            checkEnding(m);
        }
        for (const auto& [choice, states] : reached) f_.endings.push_back({choice, states.size(), shortest[choice]});
        std::ranges::stable_sort(f_.endings, {}, [&](const Ending& e) { return lengthWith(x_.moves[e.firstMove]); });

        for (Control c : kEndings)
            if (!reached.contains(c))
                breaches_.add(Rule::Endings, std::string(controlName(c)) + " never ends the game");
        for (const auto& [choice, states] : reached)
            if (std::ranges::find(kEndings, choice) == std::end(kEndings))
                breaches_.add(Rule::Endings, std::string(controlName(choice)) + " ends the game",
                              x_.moves[shortest[choice]].from);
    }

    void checkEnding(const Move& m) {
        const Control choice = *x_.eventOf(m).control;
        if (choice == Choice1 && state(m.to).story != Text::T30)
            breaches_.add(Rule::Endings, "Choice1 ends the game without paying", m.from);
        if (choice == Slukonv && (state(m.to).purse != 0 || f_.card[m.to] != Card2))
            breaches_.add(Rule::Endings, "Šlukonv ends the game other than with an empty purse after Buy2", m.from);
    }

    // States from which no ending can be reached: the player can only go round or quit.
    void findDeadEnds() {
        // The states that lead into each state s: into[firstInto[s] .. firstInto[s + 1]).
        const std::size_t n = x_.states.size();
        std::vector<std::uint32_t> firstInto(n + 1, 0);
        for (const Move& m : x_.moves)
            if (!m.leavesGame() && m.changes()) ++firstInto[m.to + 1];
        for (std::size_t s = 1; s <= n; ++s) firstInto[s] += firstInto[s - 1];
        std::vector<std::uint32_t> into(firstInto[n]);
        std::vector<std::uint32_t> filled(firstInto.begin(), firstInto.end() - 1);
        for (const Move& m : x_.moves)
            if (!m.leavesGame() && m.changes()) into[filled[m.to]++] = m.from;

        std::vector<bool> canEnd(f_.over);
        std::vector<std::uint32_t> queue;
        for (std::uint32_t s = 0; s < n; ++s)
            if (canEnd[s]) queue.push_back(s);
        for (std::size_t i = 0; i < queue.size(); ++i)
            for (std::uint32_t k = firstInto[queue[i]]; k < firstInto[queue[i] + 1]; ++k)
                if (!canEnd[into[k]]) {
                    canEnd[into[k]] = true;
                    queue.push_back(into[k]);
                }
        for (std::uint32_t s = 0; s < n; ++s)
            if (!canEnd[s]) {
                f_.deadEnds.push_back(s);
                breaches_.add(Rule::GameGoesOn, "a dead end: no ending can be reached from it", s);
            }
    }

    // The states the mouse alone reaches from `starts`.
    std::vector<bool> byMouse(const std::vector<std::uint32_t>& starts) const {
        std::vector<bool> reached(x_.states.size());
        std::vector<std::uint32_t> queue = starts;
        for (std::uint32_t s : starts) reached[s] = true;
        for (std::size_t i = 0; i < queue.size(); ++i)
            for (const Move& move : x_.movesFrom(queue[i])) {
                if (move.reach == Reach::Mouse && !move.leavesGame() && !reached[move.to]) {
                    reached[move.to] = true;
                    queue.push_back(move.to);
                }
            }
        return reached;
    }

    void findKeyboardStates() {
        const std::vector<bool> mouse = byMouse({0});
        f_.needsKeyboard = mouse;
        f_.needsKeyboard.flip();

        std::map<Control, HiddenButton> hidden;
        for (const Move& m : x_.moves) {
            if (m.reach != Reach::KeyboardOnly) continue;
            ++f_.keyboardMoves;
            const Event& e = x_.eventOf(m);
            HiddenButton& h = hidden.try_emplace(*e.control, HiddenButton{*e.control, {}, 0}).first->second;
            ++h.moves;
            // Buttons stack in window order, so the first one shown over the centre is in front.
            const std::bitset<kControlCount> front = e.coveredBy & state(m.from).visible;
            for (std::size_t i = 0; i < kControlCount; ++i)
                if (front[i]) {
                    h.behind.insert(controlAt(i));
                    break;
                }
        }
        for (auto& [button, h] : hidden) f_.keyboardOnly.push_back(std::move(h));

        // Once Visit3 has been clicked, the mouse alone must never reach it again.
        std::vector<std::uint32_t> afterVisit3;
        for (const Move& m : x_.moves)
            if (mouse[m.from] && m.reach == Reach::Mouse && clicks(x_.eventOf(m), Visit3) && !m.leavesGame())
                afterVisit3.push_back(m.to);
        const std::vector<bool> later = byMouse(afterVisit3);
        for (const Move& m : x_.moves)
            if (later[m.from] && m.reach == Reach::Mouse && clicks(x_.eventOf(m), Visit3))
                breaches_.add(Rule::MouseVisit3Once, "the mouse alone clicks Visit3 a second time", m.from);
    }

    void countUnused() {
        std::bitset<kControlCount> shown;
        std::bitset<content::kTextCount> texts;
        for (const State& s : x_.states) {
            shown |= s.visible;
            if (s.story) texts.set(static_cast<std::size_t>(*s.story));
            if (s.description) texts.set(static_cast<std::size_t>(*s.description));
        }
        for (std::size_t i = 0; i < kControlCount; ++i)
            if (!shown[i]) f_.controlsNeverShown.push_back(controlAt(i));
        for (auto t = static_cast<std::size_t>(Text::T00); t <= static_cast<std::size_t>(Text::D4); ++t) {
            const auto key = static_cast<Text>(t);
            const bool seen = texts[t];
            if (!seen) f_.textsNeverShown.push_back(key);
            if (seen == (key == kNeverShown))
                breaches_.add(Rule::TextsShown,
                              std::string(content::keyName(key)) + (seen ? " is shown" : " is never shown"));
        }

        std::set<const engine::Handler*> ran;
        for (const Move& m : x_.moves) ran.insert(x_.eventOf(m).handler);
        for (const engine::Handler& h : x_.story)
            if (!ran.contains(&h) && h.trigger != engine::kFormLoad)
                f_.handlersNeverRun.push_back(engine::handlerName(h.trigger));
    }

    void checkStates() {
        bool limitReached = false;
        for (std::uint32_t s = 0; s < x_.states.size(); ++s) {
            const State& st = state(s);
            if (st.purse < 0) breaches_.add(Rule::PurseNeverNegative, "the purse holds " + std::to_string(st.purse), s);
            limitReached |= st.purse == kPurseLimit;
            std::size_t cards = 0;
            for (Control c : kCards) cards += st.visible[indexOf(c)];
            if (cards > 1) breaches_.add(Rule::OneCard, std::to_string(cards) + " card labels shown at once", s);
            if (st.visible[indexOf(Popis)] && !cardOf(st.description))
                breaches_.add(Rule::DescriptionOfCard, "Popis shown without a card's description", s);
        }
        if (!limitReached) breaches_.add(Rule::PurseLimit, "the purse never reaches 32767");
    }

    static std::optional<Control> cardOf(const std::optional<Text>& description) {
        for (std::size_t i = 0; i < std::size(kCards); ++i)
            if (description == kDescriptions[i]) return kCards[i];
        return std::nullopt;
    }

    // Popis describing a hidden card: carried over from the state before, where the card was
    // either hidden already or taken away by the choice that was just made.
    bool describesHiddenCard(const State& s) const {
        const std::optional<Control> card = cardOf(s.description);
        return s.visible[indexOf(Popis)] && card && !s.visible[indexOf(*card)];
    }

    void checkMoves() {
        for (const Move& m : x_.moves) {
            const Event& e = x_.eventOf(m);
            const State& from = state(m.from);
            if (e.isClick() && (*e.control == Jirikov || *e.control == Rumburk) && m.changes())
                breaches_.add(Rule::SilentButtons, std::string(controlName(*e.control)) + " changes the state", m.from);
            if (clicks(e, Choice1) && from.purse <= kChoice1LastRowAbove)
                breaches_.add(Rule::Choice1LastRow,
                              "Choice1 clicked with " + std::to_string(from.purse) + " in the purse", m.from);
            if (m.leavesGame() || !m.changes()) continue;
            const State& to = state(m.to);
            if (to.purse == kPurseLimit && from.purse != kPurseLimit) {
                if (!clicks(e, Visit3))
                    breaches_.add(Rule::PurseLimit, x_.eventName(m) + " takes the purse to 32767", m.from);
                else if (f_.over[m.to] || std::ranges::binary_search(f_.deadEnds, m.to))
                    breaches_.add(Rule::PurseLimit, "the game stops when Visit3 takes the purse to 32767", m.from);
            }
            if (describesHiddenCard(to)) {
                const bool carried = from.visible[indexOf(Popis)] && from.description == to.description;
                const bool tookCard = from.visible[indexOf(*cardOf(to.description))];
                if (!carried || (tookCard && !e.isClick()))
                    breaches_.add(Rule::DescriptionOfCard,
                                  x_.eventName(m) + " leaves Popis describing a card that is not shown", m.from);
            }
        }
    }

    void checkTrips() {
        std::map<Control, std::set<Control>> clicked;
        for (const TripOfCard& t : tripsOfCards()) clicked[t.card];
        for (const Move& m : x_.moves) {
            const Event& e = x_.eventOf(m);
            if (!e.isClick() || !m.changes() || f_.part[m.from] != Part::Trip || !f_.card[m.from]) continue;
            if (std::ranges::find(kTripChoices, *e.control) != std::end(kTripChoices))
                clicked[*f_.card[m.from]].insert(*e.control);
        }
        for (const TripOfCard& t : tripsOfCards())
            if (clicked[t.card] != t.clicked)
                breaches_.add(Rule::CardDecidesTrip, "with " + std::string(controlName(t.card)) + " the trip offers " +
                                                         names(clicked[t.card]) + ", not " + names(t.clicked));
    }

    const Exploration& x_;
    Findings f_;
    Breaches breaches_;
};

}  // namespace

std::string_view partName(Part p) {
    constexpr std::string_view kNames[] = {"the opening", "the second scene", "the town", "the trip"};
    return kNames[static_cast<std::size_t>(p)];
}

std::string_view ruleName(Rule r) {
    constexpr std::string_view kNames[] = {
        "the parts of the story come in order",
        "Dál pays its 10000 once",
        "one card at most",
        "the card decides the trip",
        "the story's endings and nothing else end the game",
        "the mouse alone clicks Visit3 once",
        "the purse never becomes negative",
        "Choice1 always pays",
        "only the Visit3 loop takes the purse to 32767, and the game goes on",
        "every story text but T24 and every description is shown",
        "Jiříkov and Rumburk change nothing",
        "Popis describes a shown card or one a choice just took",
        "the game goes on: no runtime error, no dead end",
    };
    static_assert(std::size(kNames) == kRuleCount);
    return kNames[static_cast<std::size_t>(r)];
}

Findings examine(const Exploration& x) { return Examination(x).run(); }

}  // namespace tolm::explore
