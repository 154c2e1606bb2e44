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
    {"T12", "„krev jako víno“ (blood like wine) is a Czech compliment for healthy blood; here the blood "
            "holds about two per mille of alcohol, so the nurse means it literally."},
    {"T13", "U Lva (At the Lion) is the pub's name, painted on its sign: keep it. Mariáš is a Czech card "
            "game; the player calls the coat rack „mum“."},
    {"T15", "An ending. Franta has his walking stick back because he caught up."},
    {"T18", "An ending, with a Czech saying twisted: when there is no way on, the story ends here."},
    {"T20", "„baf“ is what Czechs shout to startle someone, like „boo“."},
    {"T25", "„zelená“ (a green one) is a shot of Czech peppermint liqueur. Pepa runs the roulette."},
    {"T26", "An ending. „anton“ is slang for a police van; prší is a Czech card game. The spider Karel "
            "wins because he has more hands and even more aces: keep a joke of that kind."},
    {"T29", "An ending. Litoměřice is the seat of the diocese; „stopem“ means hitchhiking."},
    {"T30", "An ending: the player ends up across the border, in Germany, keeping bees."},
    {"T31", "An ending. The text ends with a blank, and so must the translation."},
    {"T33", "An ending. The neighbour's notebook is labelled „Policie“ (Police)."},
    {"D3", "The blue card: whoever gets it falls madly in love with the giver."},
    {"C19", "A giggle, on three buttons: laughing at the fallen caretaker, at Franta, and after Franta's fall."},
    {"C20", "A deed in the tally: the player paid the bee's toll."},
    {"C22", "A deed in the tally: the player married Růžena."},
    {"C24", "A deed in the tally: the player spent the whole note on one card; a spendthrift."},
    {"C27", "A deed in the tally: the player got blind drunk. „mít opici“ (to have a monkey) is Czech "
            "for being drunk; an English drinking idiom fits best."},
    {"C29", "A deed in the tally: the player killed the caretaker."},
    {"H09", "Written in lower case in Czech, as is H10."},
    {"H10", "Written in lower case and without its comma in Czech."},
    {"A01", "The sign reads ŠLUKNOV: signs in the pictures stay Czech."},
    {"Jít dál", "Go on: the player walks past the bee without paying, and the nose ending follows."},
    {"Jdi pryč", "Go away: what the player tells the old lady who has waited fifty years for love."},
    {"Smůla, nic nemáš", "„Bad luck, you have nothing“: the player has no gift for the bees."},
    {"Zůstat v Rumburku", "Stay in Rumburk: a button that does nothing when clicked."},
    {"Jet do Jiříkova", "Go to Jiříkov: a button that does nothing when clicked."},
    {"Inventář", "The inventory's frame; its caption sits on the frame's top edge."},
    {"Konec", "The end button: it ends the game at once."},
    {"help", "The answer to tolm --help. Lines stay within 80 columns. Keep the options and "
             "-platform wayland as they are; {languages} becomes the codes of the game's languages "
             "(cs, en) and {contact} the address for bugs."},
    {"unknown language", "Said when --lang names a language the game does not speak. {language} is "
                         "what was asked for, {languages} the codes the game speaks."},
    {"language missing", "Said when --lang comes last, without a language."},
    {"runtime error", "The first line of a runtime error's message; the error's own message follows "
                      "on the second. {number} is its number."},
    {"game over", "The page's end screen, after Konec."},
    {"ok", "The button that closes the page's runtime error dialog."},
    {"languages", "The name of the page's language switch, for screen readers."},
    {"language name", "This language's name for itself, as its speakers write it alone: a screen reader "
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
