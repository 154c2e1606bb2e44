// The notes for the texts that need one, by key.
#include "tools/po/translator_notes.h"

namespace tolm::po {
namespace {

struct Note {
    std::string_view key;
    std::string_view note;
};

constexpr Note kNotes[] = {
    {"T00", "The first scene. A panel house (panelák) is a block of prefabricated flats."},
    {"T02", "The note is a 10,000 Kč bill; the bus fare is 8 Kč, so he needs it broken into smaller money."},
    {"T05", "The toll is 1,000 Kč. The nose grows bigger than the player: a picture shows it."},
    {"T08", "The olive card leaves the purse empty: the last sentence warns that the fare needs change."},
    {"T11", "Shown when the purse is empty and the player tries the bus."},
    {"T12",
     "„krev jako víno“ (blood like wine) is a Czech compliment for healthy blood; here the blood "
     "holds about two per mille of alcohol, so the nurse means it literally."},
    {"T13",
     "U Lva (At the Lion) is the pub's name, painted on its sign: keep it. Mariáš is a Czech card "
     "game; the player calls the coat rack „mum“."},
    {"T15", "An ending. Franta has his walking stick back because he caught up."},
    {"T18", "An ending, with a Czech saying twisted: when there is no way on, the story ends here."},
    {"T20", "„baf“ is what Czechs shout to startle someone, like „boo“."},
    {"T25", "„zelená“ (a green one) is a shot of Czech peppermint liqueur. Pepa runs the roulette."},
    {"T26",
     "An ending. „anton“ is slang for a police van; prší is a Czech card game. The spider Karel "
     "wins because he has more hands and even more aces: keep a joke of that kind."},
    {"T29", "An ending. Litoměřice is the seat of the diocese; „stopem“ means hitchhiking."},
    {"T30", "An ending: the player ends up across the border, in Germany, keeping bees."},
    {"T31", "An ending: the neighbours saw the caretaker fall, and the player laughing."},
    {"T33", "An ending. The neighbour's notebook is labelled „Policie“ (Police)."},
    {"D3", "The blue card: whoever gets it falls madly in love with the giver."},
    {"C19", "A giggle, on three buttons: laughing at the fallen caretaker, at Franta, and after Franta's fall."},
    {"C20", "A deed in the tally: the player paid the bee's toll."},
    {"C22", "A deed in the tally: the player married Růžena."},
    {"C24", "A deed in the tally: the player spent the whole note on one card; a spendthrift."},
    {"C27",
     "A deed in the tally: the player got blind drunk. „mít opici“ (to have a monkey) is Czech "
     "for being drunk; an English drinking idiom fits best."},
    {"C29", "A deed in the tally: the player killed the caretaker."},
    {"H09", "Written in lower case in Czech, as is H10."},
    {"H10", "Written in lower case in Czech, as is H09."},
    {"A01", "The sign reads ŠLUKNOV: signs in the pictures stay Czech."},
    {"Jít dál", "Go on: the player walks past the bee without paying, and the nose ending follows."},
    {"Jdi pryč", "Go away: what the player tells the old lady who has waited fifty years for love."},
    {"Smůla, nic nemáš", "„Bad luck, you have nothing“: the player has no gift for the bees."},
    {"Zůstat v Rumburku", "Stay in Rumburk: a button that does nothing when clicked."},
    {"Jet do Jiříkova", "Go to Jiříkov: a button that does nothing when clicked."},
    {"Inventář", "The inventory's frame; its caption sits on the frame's top edge."},
    {"Konec", "The end button: it ends the game at once."},
    {"Usmrtit",
     "„Zabít“ (Kill) on the button that kills Franta, the neighbour on the bench. It can stay "
     "showing in later scenes, beside other people, so say whom it kills if it fits."},
    {"help",
     "The answer to tolm --help. Lines stay within 80 columns. Keep the options and "
     "-platform wayland as they are; {languages} becomes the codes of the game's languages "
     "(cs, en) and {contact} the address for bugs."},
    {"unknown language",
     "Said when --lang names a language the game does not speak. {language} is "
     "what was asked for, {languages} the codes the game speaks."},
    {"language missing", "Said when --lang comes last, without a language."},
    {"no session",
     "Said on the terminal when the game reaches no display. {places} becomes one or more "
     "of the next texts: where it tried to connect."},
    {"X display", "Where the game tried to connect: {display} is the X display's name, such as :0."},
    {"Wayland display", "Where the game tried to connect: {display} is the Wayland socket's name."},
    {"platform", "Where the game tried to connect: {platform} is a name of a Qt platform plugin."},
    {"or place", "Joins the places tried: {places} is the list so far, {place} the next."},
    {"or others", "Ends a list of places tried that was too long to name in full."},
    {"qt failed",
     "Said on the terminal when the display was there but Qt could not start; {reason} is "
     "Qt's own message, in English."},
    {"qt failed in little memory",
     "As „qt failed“, when the process may use only {mib} MiB of memory "
     "(its address space is limited), which is the likely cause."},
    {"does not fit",
     "Said on the terminal when the process may use only {mib} MiB of memory (its address "
     "space is limited), too little for the game to start."},
    {"window never came",
     "Said on the terminal when the toolkit hangs while the window is built: the game "
     "ends after {seconds} seconds."},
    {"window never came in little memory",
     "As „window never came“, when the process may use only {mib} MiB "
     "of memory, which is the likely cause."},
    {"qt said more",
     "After Qt's messages from its start, when there were too many: {count} is how many "
     "were left out."},
    {"scale factor",
     "Said on the terminal when the environment asks for a scale that no window can "
     "have (zero, not a number, or huge); {value} is what it asked. The game then plays "
     "at its usual size."},
    {"runtime error",
     "The first line of a runtime error's message; the error's own message follows "
     "on the second. {number} is its number."},
    {"game over", "The page's end screen, after Konec."},
    {"ok", "The button that closes the page's runtime error dialog."},
    {"languages", "The name of the page's language switch, for screen readers."},
    {"language name",
     "This language's name for itself, as its speakers write it alone: a screen reader "
     "says it for the language's link on the page's switch."},
    {"page description", "The page's description for search engines and link previews: one or two sentences."},
    {"cannot load", "The page's error dialog when the game's files do not arrive, as on a broken connection."},
    {"load again", "The button of that dialog, which loads the page again."},
    {"no script", "The page's only line in a browser with JavaScript off."},
};

}  // namespace

std::string_view translatorNote(std::string_view key) {
    for (const Note& n : kNotes)
        if (n.key == key) return n.note;
    return {};
}

}  // namespace tolm::po
