// The program types and programs of the content database. Identifiers are
// fixed here so that they stay the same from one build to the next.

export const TYPES = [
  { id: 1, sysTerm: 'MATAN', name: 'Quran text' },
  { id: 2, sysTerm: 'TRANSLATION', name: 'Translation' },
  { id: 3, sysTerm: 'TAFSEER', name: 'Commentary' },
  { id: 4, sysTerm: 'VOICE', name: 'Recitation' },
];

// These values are pasted into the reading page's style sheet as they are.
export const ARABIC_FONT = "Amiri, 'Noto Naskh Arabic', serif";
const LATIN_FONT = "'DejaVu Serif', 'Noto Serif', serif";
const BENGALI_FONT = "'Noto Sans Bengali', 'Noto Serif Bengali', sans-serif";
const CHINESE_FONT = "'Noto Sans CJK SC', 'Noto Serif CJK SC', sans-serif";

const arabicStyle = (size) => ({ direction: 'rtl', font: ARABIC_FONT, size, bold: 'normal' });
const ltrStyle = (font = LATIN_FONT) => ({ direction: 'ltr', font, size: '15px', bold: 'normal' });

// `source` names the text: 'uthmani' and 'simpleMin' are the two Arabic
// editions; any other value is a quran-json language code.
// `position` is the default display position (SortOrderDef) of a selected
// program; unselected programs have position 0.
export const TEXT_PROGRAMS = [
  { id: 1, type: 1, source: 'uthmani', selected: true, position: 0,
    name: 'Arabic text (Uthmani script)',
    description: "Uthmani script as published by The Noble Qur'an Encyclopedia",
    style: arabicStyle('28px') },
  { id: 2, type: 1, source: 'simpleMin', selected: false, position: 0,
    name: 'Arabic text (simple script)',
    description: 'Tanzil simple text with diacritics',
    style: arabicStyle('28px') },
  { id: 11, type: 2, source: 'en', selected: true, position: 1,
    name: 'English: Saheeh International',
    description: 'English translation by Umm Muhammad (Saheeh International)',
    style: ltrStyle() },
  { id: 12, type: 2, source: 'transliteration', selected: true, position: 2,
    name: 'English transliteration',
    description: 'Transliteration in Latin letters (Tanzil)',
    style: ltrStyle() },
  { id: 13, type: 2, source: 'ur', selected: true, position: 3,
    name: "Urdu: Abul A'la Maududi",
    description: "Urdu translation by Abul A'la Maududi",
    style: arabicStyle('20px') },
  { id: 14, type: 2, source: 'fr', selected: false, position: 0,
    name: 'French: Muhammad Hamidullah',
    description: 'French translation by Muhammad Hamidullah', style: ltrStyle() },
  { id: 15, type: 2, source: 'id', selected: false, position: 0,
    name: 'Indonesian: Ministry of Religious Affairs',
    description: 'Indonesian translation by the Indonesian Ministry of Religious Affairs', style: ltrStyle() },
  { id: 16, type: 2, source: 'es', selected: false, position: 0,
    name: 'Spanish: Muhammad Isa García',
    description: 'Spanish translation by Muhammad Isa García', style: ltrStyle() },
  { id: 17, type: 2, source: 'ru', selected: false, position: 0,
    name: 'Russian: Elmir Kuliev',
    description: 'Russian translation by Elmir Kuliev', style: ltrStyle() },
  { id: 18, type: 2, source: 'tr', selected: false, position: 0,
    name: 'Turkish: Diyanet İşleri',
    description: 'Turkish translation by the Turkish Directorate of Religious Affairs', style: ltrStyle() },
  { id: 19, type: 2, source: 'sv', selected: false, position: 0,
    name: 'Swedish: Knut Bernström',
    description: 'Swedish translation by Knut Bernström', style: ltrStyle() },
  { id: 20, type: 2, source: 'bn', selected: false, position: 0,
    name: 'Bengali: Muhiuddin Khan',
    description: 'Bengali translation by Muhiuddin Khan', style: ltrStyle(BENGALI_FONT) },
  { id: 21, type: 2, source: 'zh', selected: false, position: 0,
    name: 'Chinese: Muhammad Makin',
    description: 'Chinese translation by Muhammad Makin', style: ltrStyle(CHINESE_FONT) },
];

export const TRANSLATION_CODES = TEXT_PROGRAMS
  .map((p) => p.source)
  .filter((s) => s !== 'uthmani' && s !== 'simpleMin');

// The demo voice is spoken by a speech synthesiser at build time: one file
// per chapter for a few short chapters, verses one after the other. Its
// folder is relative: the program reads it inside the application folder.
export const DEMO_VOICE = {
  id: 31, type: 4, selected: true, position: 0,
  folder: 'media/demo',
  name: 'Demo voice',
  description: 'Demo voice (speech synthesis)',
  chapters: [1, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114],
};

// Reciter folders: one file per verse named SSSAAA.mp3, each verse starting
// at 0 s. A reader who owns such a folder points the voice at it.
export const FOLDER_VOICES = [
  { id: 32, type: 4, selected: false, position: 1,
    name: 'Reciter folder A', description: 'Reciter folder A (SSSAAA.mp3 files)' },
  { id: 33, type: 4, selected: false, position: 2,
    name: 'Reciter folder B', description: 'Reciter folder B (SSSAAA.mp3 files)' },
  { id: 34, type: 4, selected: false, position: 3,
    name: 'Reciter folder C', description: 'Reciter folder C (SSSAAA.mp3 files)' },
];

/** "SSSAAA.mp3" for chapter s, verse a. */
export function verseFileName(surah, ayah) {
  return `${String(surah).padStart(3, '0')}${String(ayah).padStart(3, '0')}.mp3`;
}

/** "SSS.mp3" for the demo voice's file of chapter s. */
export function chapterFileName(surah) {
  return `${String(surah).padStart(3, '0')}.mp3`;
}
