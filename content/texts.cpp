// Every text of the game by key, in Czech: story, card descriptions, captions and tooltips.
#include "content/text.h"

#include <array>

#include "content/language_table.h"

namespace tolm::content {
namespace {

struct Entry {
    Text key;
    std::string_view name;
    std::string_view text;
};

// Written with plain spaces and read only while compiling: the program holds the texts as shown
// in every language (kShown, the Czech with its one-letter words bound) and the keys' names (kNames).
constexpr std::array<Entry, kTextCount> written() {
    return {{
        {Text::T00, "T00",
         "Pondělí ráno. Ležíš v paneláku v Rumburku, v kapse nemáš ani korunu a v lednici je jen stará hořčice. Dnes "
         "se to zlomí: vyjdeš ven a začneš znovu. Třeba až ve Šluknově."},
        {Text::T01, "T01",
         "Směnárna u nádraží má zavřeno. Na dveřích visí zažloutlá cedulka „Hned jsem zpátky“, ještě z roku 1998. "
         "Uvnitř kdosi spokojeně chrápe."},
        {Text::T02, "T02",
         "V úterý ráno ses probudil na lavičce před panelákem. V kapse ti šustí bankovka na deset tisíc a nevíš, odkud "
         "je. Na autobus do Šluknova ale potřebuješ drobné. Kde ji rozměnit?"},
        {Text::T03, "T03", "Bledý jako stěna ses doplazil zpátky až k paneláku."},
        {Text::T04, "T04",
         "Autobus tě vyklopil na náměstí ve Šluknově. Hned se k tobě přitočila starší paní v klobouku s kytičkou. Mrká "
         "na tebe a říká, že na velkou lásku čeká už půl století. Co jí na to odpovíš?"},
        {Text::T05, "T05",
         "Šel jsi dál přes Šluknov, když ti na nos přistála obrovská včela. Na hlavě má čepici výběrčího a v nožce "
         "drží účtenku. Chce mýtné za průchod městem, celých tisíc korun. Když zaplatíš, pustí tě. Když půjdeš dál bez "
         "placení, píchne tě přímo do nosu a ten ti pak vyroste větší než ty. Dívá se na tebe všemi pěti očima a "
         "trpělivě čeká."},
        {Text::T06, "T06",
         "Podal jsi pánovi červenou dárkovou kartičku. Pán ji zvedl proti slunci, přečetl si hodnotu a rozplakal se "
         "dojetím. Prý za ni koupí včelám nové úly a každé včelce kabátek na zimu. Objal tě, zapsal tě do městské "
         "kroniky a slíbil, že se o tobě včely dozvědí. Můžeš jít dál."},
        {Text::T07, "T07",
         "Podal jsi paní modrou kartu lásky. Paní si ji přečetla, zčervenala, pak zbledla a pak tě chytila za ruku tak "
         "pevně, že ti luplo v prstech. Do hodiny jste stáli na radnici. Oddával vás starosta v teplákách, protože byl "
         "zrovna na zahradě. Svědkem byl řidič autobusu a družičkou pes. Na hostinu přišlo půl Šluknova a snědlo i "
         "ubrousky. Paní se jmenuje Růžena, je jí osmdesát sedm a má ve Šluknově tři domy a dvanáct koček. Po svatbě "
         "tě poslala na nákup a dala ti seznam na dvě strany. Odcházíš jako čerstvý manžel a nevíš, jestli jsi vyhrál, "
         "nebo prohrál."},
        {Text::T08, "T08",
         "Vybral sis olivovou kartu pro VIP hosty. Pan Kratochvíl ti vzal celou desetitisícovku, chvíli ji hladil a "
         "pak ji zamkl do sejfu. Drobné žádné, karta stojí přesně deset tisíc. Jako VIP host máš nárok na židli v "
         "trafice a na pohled do vitríny zdarma. Sedl sis tedy a koukal. Ve vitríně zbyly tři kartičky, na které už "
         "nemáš, tak ses díval na pana Kratochvíla a on na tebe. Po hodině tě vyhodil: VIP hosté prý nesmí sedět déle "
         "než hodinu. Došel jsi na zastávku. Autobus jede do Šluknova i do Jiříkova, v Rumburku už tě nic nedrží. Na "
         "jízdenku ale budeš potřebovat drobné, jestli ti nějaké zbyly."},
        {Text::T09, "T09", "Vyšel jsi ven. Na lavičce u domu sedí soused Franta a jí rohlík."},
        {Text::T10, "T10", "V kapse měl klíče, bonbon a seznam dlužníků. Ty jsi na něm první."},
        {Text::T11, "T11", "Nemáš peníze na jízdenku."},
        {Text::T12, "T12",
         "V odběrovém centru tě posadili do křesla a sestra Jarmila ti píchla jehlu do ruky. Krev tekla pomalu, tak "
         "sestra zapnula vysavač. Pak jsi omdlel. Probudil ses s rohlíkem v puse, s náplastí na ruce a s kapsou "
         "drobáků, dohromady čtyři stovky. Sestra řekla, ať zase brzy přijdeš, že máš krev jako víno. Myslela to "
         "doslova, jsou v ní asi dvě promile."},
        {Text::T13, "T13",
         "V hospodě U Lva je kouř, že by se dal krájet. Hostinský ti dal pivo na dluh, protože prý máš poctivý "
         "obličej. Po pátém pivu jsi vyzval štamgasty na páku a prohrál. Po desátém jsi tančil na stole polku a vypadl "
         "oknem. Štamgasti přitom tleskali. Po patnáctém jsi hrál s místními mariáš o tátovu chalupu, kterou nemáš. "
         "Kolem půlnoci jsi zpíval hymnu pozpátku, objímal věšák a říkal mu mami. Hostinský ti dal ještě rumu, aby ses "
         "uklidnil, a to byla chyba. Pak všechno zhaslo. Poslední, co si pamatuješ, je, že ti někdo strkal do kapsy "
         "papír a říkal: „To je za tu polku, chlapče.“ Měl bys jít dál, jestli to ještě svedeš."},
        {Text::T14, "T14",
         "Nechal jsi Frantu u lavičky a došel na náměstí. Stojí tu hospoda U Lva, herna s blikajícím nápisem a kostel. "
         "Kam to bude? Nemáš ani korunku."},
        {Text::T15, "T15",
         "Utekl jsi do Jiříkova, ale Franta tě dohnal. Tvůj příběh možná končí, Franta má hůl zpátky."},
        {Text::T16, "T16",
         "Paní se urazila, praštila tě kabelkou a otočila se zády. Na rohu tě zastavil pán s pokladničkou: „Sbírka na "
         "záchranu šluknovských včel.“ Peníze prý nebere, včely chtějí jen dárek od srdce. Dívá se na tebe tak smutně, "
         "že mu nemůžeš říct ne."},
        {Text::T17, "T17",
         "Vybral sis červenou dárkovou kartičku. Pan Kratochvíl ji zabalil do novin z roku 1989, převázal gumičkou a "
         "slavnostně ti ji podal. Pak dlouho počítal drobné, dvakrát se spletl ve svůj prospěch a jednou ve tvůj, a to "
         "hned opravil. Nakonec ti vrátil tři tisíce v mincích po koruně, takže ti teď kalhoty padají ke kolenům. "
         "Kartička prý platí všude, kde ji někdo chce. Zatím ji nechce nikdo, ani pan Kratochvíl. Zpátky ji ale "
         "nevezme. S kalhotami v rukách a s cinkajícími kapsami jsi došel na zastávku. Autobus odsud jede do Šluknova "
         "i do Jiříkova a tady v Rumburku tě už nic nedrží. Kam to bude?"},
        {Text::T18, "T18",
         "Obrátil jsi kapsy naruby. Mince a drobky z rohlíku, ale žádný dárek, který by včely chtěly. Pán s "
         "pokladničkou posmutněl a hvízdl na prsty. Z parku přiletěl celý roj. Skočil jsi do rybníka. Nemáš-li kudy "
         "dál, tady tvůj příběh skončí."},
        {Text::T19, "T19", "Nasedl jsi do autobusu na Šluknov a odpočítal řidiči osm korun."},
        {Text::T20, "T20",
         "Zařval jsi „Franto, baf!“ tak, že by tě slyšeli i v Jiříkově. Lekl se, rohlík mu zaskočil a on se skácel z "
         "lavičky. Už je po něm."},
        {Text::T21, "T21",
         "Vybral sis zelenou čarovnou kartu. Pan Kratochvíl ti ji podal v rukavici a řekl, že splní jedno přání, ale "
         "jen to správné. Hned sis přál milion. Nic. Přál sis aspoň pivko. Nic. Přál sis aspoň suchý rohlík. Nic. Přál "
         "sis, aby pan Kratochvíl zmizel. Ten se jen zasmál a vrátil ti pět tisíc v drobných. Pak zamkl trafiku a šel "
         "na oběd. Karta celou dobu zeleně svítí a tváří se, že o ničem neví. Cestou sis přál, aby ti ujel autobus, a "
         "ten ti opravdu ujel, ale asi náhodou. Došel jsi na zastávku a čekáš na další. Pojede do Šluknova i do "
         "Jiříkova. Tady v Rumburku ti už stejně nikdo nic nesplní."},
        {Text::T22, "T22",
         "Trafikant pan Kratochvíl se podíval na bankovku, pak na tebe a řekl, že ti ji rozmění, jen když si něco "
         "koupíš. Zbyly mu ale jen čtyři kartičky ve vitrínce. Zelená čarovná za pět tisíc. Olivová pro VIP hosty za "
         "deset tisíc. Červená dárková za sedm tisíc. Modrá karta lásky za čtyři tisíce. Cigarety nemá, noviny nemá a "
         "rohlíky taky ne, ty mu v noci snědla myš. Ceny prý nejsou k diskusi, protože jsi v celém Rumburku jediný, "
         "kdo má u sebe desetitisícovku. Tak kterou kartičku si teď vybereš?"},
        {Text::T23, "T23", "Na chodbě na tebe čeká domovník s mopem. Chce nájem za půl roku. Ihned!"},
        {Text::T24, "T24", "Na tohle nemáš. Včela se zamračí."},
        {Text::T25, "T25",
         "V herně bliká všechno, co se hýbe, i to, co se nehýbe. Peníze jsi neměl, tak jsi do automatu házel knoflíky "
         "z kabátu. Automat se zasekl, zablikal, zahrál znělku a vysypal na tebe sto žetonů. Obsluha, paní Jiřina s "
         "kotvou na ruce, ti za to nalévala zelenou zdarma. Po páté zelené jsi prohrál žetony, po sedmé kabát, po "
         "deváté boty. Po desáté jsi vsadil i ponožky, vyhrál je zpátky a navlékl si je na ruce. Pak jsi s Pepou od "
         "rulety zpíval do mikrofonu a Pepa plakal. Nakonec jsi usnul na automatu a někdo ti strčil do kapsy něco, co "
         "šustí. Víc si nepamatuješ. Měl bys jít dál."},
        {Text::T26, "T26",
         "Rozběhl ses a vrazil do dveří ramenem. Dveře vydržely, rameno ne. Zkusil jsi to hlavou a to už šlo: dveře "
         "vypadly i s rámem a ty s nimi. Uvnitř spal pan Horák na pytli s penězi. Vzbudil se, viděl tě ležet na "
         "dveřích a zmáčkl alarm. Siréna houkala tak, že psi štěkali až v Jiříkově. Za deset minut tu byla policie, za "
         "dvacet hasiči a za půl hodiny i televize. Řekl jsi, že chceš jen rozměnit bankovku. Pan Horák ti ji prý "
         "rozmění, až mu zaplatíš dveře i s rámem. Pak tě vezli do Děčína a cestou ti v antonu zpívali. Večer jsi byl "
         "ve zprávách a máma u toho plakala. Sedíš v cele a s pavoukem Karlem hraješ prší o sirky. Karel pořád "
         "vyhrává, má víc rukou a ještě víc es. Tvůj příběh tu možná končí, Karel rozdává."},
        {Text::T27, "T27",
         "Vybral sis modrou kartu lásky. Pan Kratochvíl se zasnil a řekl, že s ní kdysi získal svou ženu. Dodal, že "
         "právě proto ji teď prodává, a rukávem si utřel slzu. A vrátil ti šest tisíc, ale v mincích po dvaceti, takže "
         "jsi jimi nacpal kapsy, ponožky i čepici. Na kartě je malé modré srdíčko a drobné písmo: „Kdo mě dostane, "
         "zamiluje se do dárce. Reklamace nepřijímáme.“ Vyšel jsi ven a cítíš, že celý Rumburk na tebe kouká. Možná "
         "kvůli kartě, možná kvůli tomu, jak při chůzi cinkáš. Došel jsi na zastávku. Autobus jede do Šluknova i do "
         "Jiříkova. Nebo zůstaneš v Rumburku, kde tě nikdo nemiluje?"},
        {Text::T28, "T28",
         "Strčil jsi do něj jen trošku. Domovník uklouzl na podlaze, kterou sám před chvílí vytřel, sjel po zábradlí "
         "tři patra dolů a zůstal ležet pod schránkami. Už nic nechce, ani nájem. Můžeš ho prošacovat, anebo radši jít "
         "pryč."},
        {Text::T29, "T29",
         "V kostele bylo chladno a prázdno. Vlezl jsi do zpovědnice a začal mluvit. Farář zprvu kýval, pak přestal, "
         "pak si začal psát poznámky a nakonec poslal kostelníka zamknout dveře. Pak se pokřižoval. Za hodinu tu byl "
         "biskup z Litoměřic, za dvě hodiny dva další. Radili se tak dlouho, až usoudili, že tohle musí řešit sám "
         "papež. Poslali tě do Říma stopem. Papež ti tam řekl, ať chvíli počkáš. Čekáš na lavičce u Vatikánu už "
         "dvanáct let a holubi tě znají jménem. Tvůj příběh možná končí, ta chvíle ještě ne."},
        {Text::T30, "T30",
         "Vysypal jsi včele tisíc v drobných. Přepočítala je, kývla tykadlem a vypsala ti účtenku. Pak zabzučela a "
         "přihnal se celý roj. Každá včela chce taky tisícovku, prý je to rodinný podnik. Utíkal jsi přes náměstí, "
         "přes pole a přes les až k hranici. Skočil jsi do potoka a vylezl na druhém břehu v Německu. Tam tě našel "
         "místní včelař a dal ti práci. Teď chováš včely, každé platíš mzdu a ony tobě mýtné. Vychází to skoro "
         "nastejno. Máma by byla hrdá. Jestli tu tvůj příběh končí, tak vlastně dobře."},
        {Text::T31, "T31",
         "Smál ses tak hlasitě, že se otevřely všechny dveře v paneláku. Sousedé se podívali na domovníka, pak na tebe "
         "a začali tleskat. Paní Nováková ti přinesla i bábovku. Nikdo ho tu neměl moc rád, ale svědků je teď až "
         "dost."},
        {Text::T32, "T32",
         "Vysmál ses Frantovi, že žere rohlík jako křeček. Franta se urazil, popadl svoji hůl a mrštil jí po tobě. "
         "Netrefil tebe, ale holuba, a holub mu to vrátil. Pak se na tebe vrhlo celé hejno holubů i s Frantou. Utíkáš "
         "ulicí, Franta kulhá za tebou a křičí, že tě dostane. Tudy dál nemůžeš, tady by tě hned chytil. Pokračuj "
         "jinudy, polem k lesu."},
        {Text::T33, "T33",
         "Zasmál ses. Holubi na tebe užasle zírají. Z protějšího okna tě sleduje zvědavá babka a píše si něco do "
         "sešitku s nápisem „Policie“. Měl bys radši pokračovat, a to hodně rychle."},
        {Text::T34, "T34",
         "Jiná směnárna v Rumburku není. Vrátil ses zase před panelák a přemýšlíš, kde ještě sehnat drobné."},
        {Text::D1, "D1", "Dárková kartička za sedm tisíc korun. Dá se jen darovat, jinak si za ni vůbec nic nekoupíš."},
        {Text::D2, "D2", "Zaručuje VIP vstup do trafiky pana Kratochvíla. Nikam jinam."},
        {Text::D3, "D3", "Kdo ji dostane, šíleně se zamiluje do dárce. Dávej si pozor!"},
        {Text::D4, "D4", "Prý splní jedno přání. Zatím ti nesplnila ani to sebemenší. Hm."},
        {Text::E0, "E0", ""},
        {Text::C01, "C01", "Dát tisíc"},
        {Text::C03, "C03", "Darovat kartičku"},
        {Text::C04, "C04", "Dát jí kartičku"},
        {Text::C05, "C05", "Modrou"},
        {Text::C06, "C06", "Červenou"},
        {Text::C07, "C07", "Olivovou"},
        {Text::C08, "C08", "Zelenou"},
        {Text::C09, "C09", "Dárková kartička"},
        {Text::C10, "C10", "Karta VIP hosta"},
        {Text::C11, "C11", "Karta lásky"},
        {Text::C12, "C12", "Čarovná karta"},
        {Text::C13, "C13", "Směnit peníze"},
        {Text::C14, "C14", "Jít do trafiky"},
        {Text::C15, "C15", "Jít dát krev"},
        {Text::C16, "C16", "Jít do kostela"},
        {Text::C17, "C17", "Do herny"},
        {Text::C18, "C18", "Zajít na pivo"},
        {Text::C19, "C19", "Chi, chi!"},
        {Text::C20, "C20", "Včelí mýto"},
        {Text::C21, "C21", "Mecenáš včel"},
        {Text::C22, "C22", "Ženich roku!"},
        {Text::C23, "C23", "Krev za peníze"},
        {Text::C24, "C24", "Rozhazovač"},
        {Text::C25, "C25", "Vyražené dveře"},
        {Text::C26, "C26", "Tvé hrdinské činy"},
        {Text::C27, "C27", "Opice"},
        {Text::C28, "C28", "Výsměch Frantovi"},
        {Text::C29, "C29", "Domovník"},
        {Text::H01, "H01", "Tak ty už chceš vážně končit?"},
        {Text::H02, "H02", "Zaplatil jsi včele tisíc korun mýtného. Aspoň nepíchla."},
        {Text::H03, "H03", "Tvou kartičku teď mají včely."},
        {Text::H04, "H04", "Dal jsi kartu lásky paní Růženě a ještě ten den sis ji musel vzít."},
        {Text::H05, "H05", "Prodal jsi pár deci krve za čtyři stovky."},
        {Text::H06, "H06", "Za jednu kartičku z trafiky jsi dal celé jmění, jen abys měl nějaké drobné."},
        {Text::H07, "H07", "Vyrazil jsi dveře od směnárny."},
        {Text::H08, "H08", "Tady se sčítá všechno, co jsi zatím stačil vyvést."},
        {Text::H09, "H09", "částka peněz, které máš zrovna u sebe"},
        {Text::H10, "H10", "všechny peníze, které máš"},
        {Text::H11, "H11", "Opil ses tolik, že si nic nepamatuješ."},
        {Text::H12, "H12", "Vysmál ses sousedovi Frantovi. Takhle se to nedělá."},
        {Text::H13, "H13", "Zabil jsi domovníka, pak ses mu vysmál. Celý panelák to slyšel."},
        {Text::A01, "A01", "Tvůj nos oteklý po žihadle, včela v dáli a přeškrtnutá cedule Šluknov"},
        {Text::A02, "A02", "Obří včela, výběrčí mýta"},
        {Text::A03, "A03", "Muž s pokladničkou na včely"},
        {Text::A04, "A04", "Šluknovské náměstí se stařenkou"},
        {Text::A05, "A05", "Autobus do Šluknova"},
        {Text::A06, "A06", "Odběr krve vysavačem"},
        {Text::A07, "A07", "Autobusová zastávka na kraji Rumburku"},
        {Text::A08, "A08", "Trafika se čtyřmi kartami"},
        {Text::A09, "A09", "Ty na vyražených dveřích směnárny a pan Horák na pytli peněz u alarmu"},
        {Text::A10, "A10", "Zavřená směnárna"},
        {Text::A11, "A11", "Panelák v Rumburku"},
        {Text::A12, "A12", "Náměstí s hospodou, hernou a kostelem"},
        {Text::A13, "A13", "Soused Franta s holí na lavičce a s nakousnutým rohlíkem"},
        {Text::A14, "A14", "Domovník s mopem na chodbě"},
        {Text::A15, "A15", "Rámeček tvých činů"},
        {Text::CaptionJitDal, "Jít dál", "Jít dál"},
        {Text::CaptionDal, "Dál", "Dál"},
        {Text::CaptionSmulaNicNemas, "Smůla, nic nemáš", "Smůla, nic nemáš"},
        {Text::CaptionJdiPryc, "Jdi pryč", "Jdi pryč"},
        {Text::CaptionJetDoJirikova, "Jet do Jiříkova", "Jet do Jiříkova"},
        {Text::CaptionZustatVRumburku, "Zůstat v Rumburku", "Zůstat v Rumburku"},
        {Text::CaptionJetDoSluknova, "Jet do Šluknova", "Jet do Šluknova"},
        {Text::CaptionVyrazitDvere, "Vyrazit dveře", "Vyrazit dveře"},
        {Text::CaptionJitMenitJinam, "Jít měnit jinam", "Jít měnit jinam"},
        {Text::CaptionInventar, "Inventář", "Inventář"},
        {Text::CaptionKonec, "Konec", "Konec"},
        {Text::CaptionPokracovat, "Pokračovat", "Pokračovat"},
        {Text::CaptionZabit, "Zabít", "Zabít"},
        {Text::CaptionUsmrtit, "Usmrtit", "Zabít"},
        {Text::CaptionProsacovat, "Prošacovat", "Prošacovat"},
        {Text::CaptionJitPryc, "Jít pryč", "Jít pryč"},
        {Text::CaptionVyjit, "Vyjít", "Vyjít"},
        {Text::CaptionPenize, "Peníze:", "Peníze:"},
    }};
}

constexpr bool inKeyOrder() {
    const auto texts = written();
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (static_cast<std::size_t>(texts[i].key) != i) return false;
    return true;
}
static_assert(inKeyOrder(), "the text table follows the order of Text");

using namespace language_table;

constexpr std::array<Written, kTextCount> kWritten = [] {
    const auto texts = written();
    std::array<Written, kTextCount> table;
    for (std::size_t i = 0; i < texts.size(); ++i) table[i] = {texts[i].name, texts[i].text};
    return table;
}();
static_assert(translatesOnlyItsKeys(kWritten, kTextTranslations), "po/*.po translates a text the game does not have");
static_assert(translatesTheCurrentCzech(kWritten, kTextTranslations),
              "po/*.po translates a Czech text that has changed since: `make po` marks it, translate it anew");
static_assert(translatesEveryKeyOnce(kWritten, kTextTranslations), "po/*.po leaves a text untranslated");

constexpr std::size_t kShownSize = shownSize(kWritten, kTextTranslations);
constexpr auto kShown = shown<kShownSize>(kWritten, kTextTranslations);

constexpr std::array<std::string_view, kTextCount> kNames = [] {
    std::array<std::string_view, kTextCount> names;
    for (std::size_t i = 0; i < kTextCount; ++i) names[i] = kWritten[i].key;
    return names;
}();

}  // namespace

std::string_view text(Text key) { return text(key, language()); }

std::string_view text(Text key, Language l) {
    return kShown.at(static_cast<std::size_t>(l), static_cast<std::size_t>(key));
}

std::string_view keyName(Text key) { return kNames[static_cast<std::size_t>(key)]; }

}  // namespace tolm::content
