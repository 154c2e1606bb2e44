// Every text the game shows, named by its key; the Czech wording lives in texts.cpp, the
// translations in po/.
#pragma once

#include <cstdint>
#include <string_view>

#include "content/language.h"

namespace tolm::content {

// T: story texts in P; D: card descriptions in Popis; E0: the empty description;
// C: captions; H: tooltips; A: what a screen reader says for the pictures (A01..A14, in
// picture order) and for the tally's outline (A15). Captions that are fixed words of the
// game carry the word itself in their key, transliterated, and their own text as their name;
// CaptionUsmrtit, the same word as CaptionZabit on the button that kills Franta, is named after
// that button, so that a translation can say whom it kills.
enum class Text : std::uint8_t {
    T00,
    T01,
    T02,
    T03,
    T04,
    T05,
    T06,
    T07,
    T08,
    T09,
    T10,
    T11,
    T12,
    T13,
    T14,
    T15,
    T16,
    T17,
    T18,
    T19,
    T20,
    T21,
    T22,
    T23,
    T24,
    T25,
    T26,
    T27,
    T28,
    T29,
    T30,
    T31,
    T32,
    T33,
    T34,
    D1,
    D2,
    D3,
    D4,
    E0,
    C01,
    C03,
    C04,
    C05,
    C06,
    C07,
    C08,
    C09,
    C10,
    C11,
    C12,
    C13,
    C14,
    C15,
    C16,
    C17,
    C18,
    C19,
    C20,
    C21,
    C22,
    C23,
    C24,
    C25,
    C26,
    C27,
    C28,
    C29,
    H01,
    H02,
    H03,
    H04,
    H05,
    H06,
    H07,
    H08,
    H09,
    H10,
    H11,
    H12,
    H13,
    A01,
    A02,
    A03,
    A04,
    A05,
    A06,
    A07,
    A08,
    A09,
    A10,
    A11,
    A12,
    A13,
    A14,
    A15,
    CaptionJitDal,
    CaptionDal,
    CaptionSmulaNicNemas,
    CaptionJdiPryc,
    CaptionJetDoJirikova,
    CaptionZustatVRumburku,
    CaptionJetDoSluknova,
    CaptionVyrazitDvere,
    CaptionJitMenitJinam,
    CaptionInventar,
    CaptionKonec,
    CaptionPokracovat,
    CaptionZabit,
    CaptionUsmrtit,
    CaptionProsacovat,
    CaptionJitPryc,
    CaptionVyjit,
    CaptionPenize,
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(Text::CaptionPenize) + 1;

// The text of a key as the game shows it, in the game's language: UTF-8, one line; in Czech each
// one-letter preposition and conjunction bound to the next word by a no-break space (short_words.h).
std::string_view text(Text key);
std::string_view text(Text key, Language l);

// The key as the story calls it ("T05", "C19"; the fixed words by their own text).
std::string_view keyName(Text key);

}  // namespace tolm::content
