// Helpers for Arabic text: tokens of the diacritics-free text, and the text
// prepared for speech synthesis.

// A word of the diacritics-free text consists of Arabic letters only
// (hamza U+0621 to yeh U+064A). The "clean" source still carries pause marks
// and the prostration sign as separate tokens, joined to their neighbours by
// no-break spaces; those tokens hold no letter and are dropped.
const LETTER = /[\u0621-\u064A]/;
const WORD = /^[\u0621-\u064A]+$/;
const SEPARATORS = /[\s\u00A0]+/;

/** The words of a diacritics-free verse, in order (duplicates kept). */
export function words(cleanVerse) {
  const out = [];
  for (const token of cleanVerse.split(SEPARATORS)) {
    if (!LETTER.test(token)) continue;
    if (!WORD.test(token)) {
      throw new Error(`unexpected character in word "${token}" of the diacritics-free text`);
    }
    out.push(token);
  }
  return out;
}

/** The searchable form of a verse: its words joined by single blanks. */
export function searchable(cleanVerse) {
  return words(cleanVerse).join(' ');
}

/**
 * The verse as handed to the speech synthesiser: letters and vowel marks
 * only. Quranic annotation signs (U+06D6..U+06ED) and the tatweel are
 * removed, and the superscript alef becomes a plain alef so that the long
 * vowel is spoken.
 */
export function speakable(vowelledVerse) {
  return vowelledVerse
    .replace(/\u0640?\u0670/g, '\u0627')
    .replace(/[\u0640\u06D6-\u06ED]/g, '')
    .replace(/[\s\u00A0]+/g, ' ')
    .trim();
}
