// The report as text, and the scene graph in Graphviz's language.
#include "tools/explore/report.h"

#include <algorithm>
#include <iomanip>
#include <map>
#include <set>

#include "layout/layout.h"

namespace tolm::explore {
namespace {

std::string nameOf(Control c) { return std::string(controlName(c)); }

std::string keyName(const std::optional<content::Text>& t) { return t ? std::string(content::keyName(*t)) : "?"; }

template <class Range, class Name>
std::string listOf(const Range& items, Name name) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty()) text += ", ";
        text += name(item);
    }
    return text.empty() ? "none" : text;
}

// Pads to a width in characters: setw counts bytes, and the names carry Czech letters.
std::string padded(std::string_view name, std::size_t width) {
    std::size_t characters = 0;
    for (unsigned char c : name) characters += (c & 0xC0) != 0x80;
    return std::string(name) + std::string(characters < width ? width - characters : 0, ' ');
}

// The shortest way to an ending: to the state before it, then the ending click.
std::string wayToEnding(const Exploration& x, const Ending& e) {
    std::vector<std::uint32_t> path = x.pathTo(x.moves[e.firstMove].from);
    path.push_back(e.firstMove);
    return x.describe(path);
}

// A scene is what the player sees to choose from: the story text and the buttons shown.
struct Scene {
    std::optional<content::Text> story;
    std::bitset<kControlCount> buttons;

    bool operator<(const Scene& o) const {
        if (story != o.story) return story < o.story;
        return wordsOf(buttons) < wordsOf(o.buttons);
    }
};

const std::bitset<kControlCount>& choiceButtons() {
    static const std::bitset<kControlCount> buttons = [] {
        std::bitset<kControlCount> b;
        for (const layout::ControlRow& row : layout::kLayout)
            if (row.kind == layout::Kind::Button && row.control != Control::Konec) b.set(indexOf(row.control));
        return b;
    }();
    return buttons;
}

// The buttons as the player sees them: row by row from the top, the front one first.
const std::vector<Control>& buttonsTopDown() {
    static const std::vector<Control> buttons = [] {
        std::vector<Control> b;
        for (const layout::ControlRow& row : layout::kLayout)
            if (row.kind == layout::Kind::Button && row.control != Control::Konec) b.push_back(row.control);
        std::ranges::stable_sort(b, {}, [](Control c) { return layout::rowOf(c).rect.top; });
        return b;
    }();
    return buttons;
}

// Pale fills, one per part, so that the parts read as regions of the graph.
constexpr std::string_view kPartColours[] = {"#e8f0ff", "#fff4d6", "#e6f6e6", "#f8e4f0"};

// A button outlives its part when it stays shown after the story has moved on (Usmrtit,
// Choice5, Choice6, Pokračovat2). Its later clicks are side trips that would multiply every
// later scene, so the drawing leaves them out, and the buttons too: per state, the buttons
// shown there that belong to an earlier part.
std::vector<std::bitset<kControlCount>> outlivedButtons(const Exploration& x, const Findings& f) {
    std::array<std::size_t, kControlCount> firstPart;
    firstPart.fill(kPartCount);
    for (std::uint32_t s = 0; s < x.states.size(); ++s)
        for (std::size_t i = 0; i < kControlCount; ++i)
            if (x.states[s].visible[i] && choiceButtons()[i])
                firstPart[i] = std::min(firstPart[i], static_cast<std::size_t>(f.part[s]));
    std::vector<std::bitset<kControlCount>> outlived(x.states.size());
    for (std::uint32_t s = 0; s < x.states.size(); ++s)
        for (std::size_t i = 0; i < kControlCount; ++i)
            outlived[s][i] = x.states[s].visible[i] && firstPart[i] < static_cast<std::size_t>(f.part[s]);
    return outlived;
}

// The states that the clicks `drawn` lets through reach from the start.
template <class Drawn>
std::vector<bool> reachedBy(const Exploration& x, Drawn drawn) {
    std::vector<bool> reached(x.states.size());
    std::vector<std::uint32_t> queue{0};
    reached[0] = true;
    for (std::size_t i = 0; i < queue.size(); ++i)
        for (const Move& m : x.movesFrom(queue[i]))
            if (drawn(m) && !reached[m.to]) {
                reached[m.to] = true;
                queue.push_back(m.to);
            }
    return reached;
}

}  // namespace

void writeReport(std::ostream& out, const Exploration& x, const Findings& f, double exploreMilliseconds) {
    using std::left;
    using std::right;
    using std::setw;
    out << "Tolm: every state the story can reach\n\n"
        << x.states.size() << " states, " << x.moves.size() << " moves (" << f.changingMoves << " change the state, "
        << f.keyboardMoves << " need the keyboard); Konec ends the game from every state.\n"
        << "Explored in " << std::fixed << std::setprecision(1) << exploreMilliseconds << " ms.\n\n";

    std::array<std::size_t, kPartCount> keyboard{};
    for (std::size_t s = 0; s < x.states.size(); ++s)
        keyboard[static_cast<std::size_t>(f.part[s])] += f.needsKeyboard[s];
    out << left << setw(20) << "Parts of the story" << right << setw(8) << "states" << setw(10) << "keyboard"
        << "   purse\n";
    for (std::size_t p = 0; p < kPartCount; ++p) {
        const PurseRange& r = f.purse[p];
        out << "  " << left << setw(18) << partName(Part(p)) << right << setw(8) << r.states << setw(10) << keyboard[p];
        if (r.states > 0) out << "   " << r.low << " .. " << r.high;
        out << "\n";
    }
    out << "(keyboard: the states that the mouse alone cannot reach)\n";

    out << "\nEndings, where no click but Konec changes anything (the pointer may still show a card's description):\n"
           "the click that ends the game, the story text it leaves, the states it leads to, the shortest way there\n";
    for (const Ending& e : f.endings)
        out << "  " << padded(controlName(e.choice), 12) << " " << left << setw(4)
            << keyName(x.states[x.moves[e.firstMove].to].story) << right << setw(7) << e.states << "   "
            << wayToEnding(x, e) << "\n";
    out << "Dead ends, states from which no ending can be reached: "
        << (f.deadEnds.empty() ? "none" : std::to_string(f.deadEnds.size())) << "\n";

    out << "\nNever reached\n";
    out << "  controls: " << listOf(f.controlsNeverShown, nameOf) << "\n";
    out << "  texts:    " << listOf(f.textsNeverShown, [](content::Text t) { return std::string(content::keyName(t)); })
        << "\n";
    out << "  handlers: " << listOf(f.handlersNeverRun, [](const std::string& h) { return h; }) << "\n";

    out << "\nButtons that only the keyboard reaches, somewhere: how often, and what lies in front of them\n";
    for (const HiddenButton& h : f.keyboardOnly)
        out << "  " << padded(controlName(h.button), 12) << right << setw(6) << h.moves << " moves, behind "
            << listOf(h.behind, nameOf) << "\n";

    out << "\nRules\n";
    for (std::size_t r = 0; r < kRuleCount; ++r) {
        std::vector<const Violation*> broken;
        for (const Violation& v : f.violations)
            if (v.rule == Rule(r)) broken.push_back(&v);
        out << "  " << (broken.empty() ? "ok  " : "FAIL") << "  " << ruleName(Rule(r)) << "\n";
        for (const Violation* v : broken) out << "        " << v->what << "\n";
    }
}

void writeDot(std::ostream& out, const Exploration& x, const Findings& f) {
    const std::vector<std::bitset<kControlCount>> outlived = outlivedButtons(x, f);
    std::set<Control> leftOut;
    for (const std::bitset<kControlCount>& old : outlived)
        for (std::size_t i = 0; i < kControlCount; ++i)
            if (old[i]) leftOut.insert(controlAt(i));
    const auto drawn = [&](const Move& m) {
        const Event& e = x.eventOf(m);
        return !m.leavesGame() && e.isClick() && !outlived[m.from][indexOf(*e.control)];
    };
    const std::vector<bool> reached = reachedBy(x, drawn);

    std::map<Scene, std::size_t> ids;
    std::vector<std::uint32_t> example;  // per scene, its first state
    std::vector<bool> ending;
    std::vector<std::size_t> sceneOfState(x.states.size());
    for (std::uint32_t s = 0; s < x.states.size(); ++s) {
        if (!reached[s]) continue;
        const Scene scene{x.states[s].story, x.states[s].visible & choiceButtons() & ~outlived[s]};
        const auto [it, fresh] = ids.try_emplace(scene, ids.size());
        if (fresh) {
            example.push_back(s);
            ending.push_back(false);
        }
        sceneOfState[s] = it->second;
        if (f.over[s]) ending[it->second] = true;
    }

    // One edge per scene, scene and button; dashed when only the keyboard makes that click.
    std::map<std::tuple<std::size_t, std::size_t, Control>, bool> edges;
    for (const Move& m : x.moves) {
        if (!reached[m.from] || !drawn(m) || sceneOfState[m.from] == sceneOfState[m.to]) continue;
        const auto key = std::tuple{sceneOfState[m.from], sceneOfState[m.to], *x.eventOf(m).control};
        edges.try_emplace(key, true).first->second &= m.reach == Reach::KeyboardOnly;
    }

    std::array<std::size_t, kControlCount> eventOfButton{};
    for (std::size_t e = 0; e < x.events.size(); ++e)
        if (x.events[e].isClick()) eventOfButton[indexOf(*x.events[e].control)] = e;

    out << "digraph scenes {\n"
           "  rankdir=LR; ranksep=0.35; nodesep=0.15;\n"
           "  labelloc=t; labeljust=l; fontname=\"DejaVu Sans\"; fontsize=12;\n"
           "  label=\"Scenes of Tolm: the story text and the buttons shown, top to bottom; (a button) lies behind "
           "another.\\lDashed: only the keyboard reaches that button. Double border: the game can end there.\\l"
           "Blue: the opening; yellow: the second scene; green: the town; pink: the trip.\\l"
           "Left out once their part is over: "
        << listOf(leftOut, nameOf)
        << "\\l\";\n"
           "  node [shape=box, style=\"rounded,filled\", fontname=\"DejaVu Sans\", fontsize=10, "
           "margin=\"0.08,0.03\"];\n"
           "  edge [fontname=\"DejaVu Sans\", fontsize=8, arrowsize=0.6];\n";
    for (const auto& [scene, id] : ids) {
        std::string choices;
        for (Control c : buttonsTopDown()) {
            if (!scene.buttons[indexOf(c)]) continue;
            const bool behind = !x.events[eventOfButton[indexOf(c)]].byMouse(x.states[example[id]].visible);
            if (!choices.empty()) choices += ' ';
            if (behind) choices += '(';
            choices += controlName(c);
            if (behind) choices += ')';
        }
        out << "  s" << id << " [label=\"" << keyName(scene.story) << "\\n"
            << (choices.empty() ? "–" : choices) << "\", fillcolor=\""
            << kPartColours[static_cast<std::size_t>(f.part[example[id]])] << "\""
            << (ending[id] ? ", peripheries=2" : "") << "];\n";
    }
    for (const auto& [edge, keyboardOnly] : edges) {
        const auto& [from, to, button] = edge;
        out << "  s" << from << " -> s" << to << " [label=\"" << controlName(button) << "\""
            << (keyboardOnly ? ", style=dashed" : "") << "];\n";
    }
    out << "}\n";
}

}  // namespace tolm::explore
