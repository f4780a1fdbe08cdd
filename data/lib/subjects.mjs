// The subject index. Every subject is an exact rule over the data, so that
// the index can be rebuilt and checked rather than curated by hand:
//  - marks in the text (the prostration sign),
//  - the chapter table (Meccan and Medinan chapters: their opening verses),
//  - word sequences in the diacritics-free text (names, forms of address).
// A word sequence matches when its words stand one after the other in the
// verse, each word exactly as written (prefixes such as wa-, bi-, li- are
// part of the written word, so each form is listed).

import { words } from './arabic.mjs';
import { check } from './sources.mjs';

const PROSTRATION_SIGN = '\u06E9';

// The combinations of separated letters that open 29 chapters; in chapter 42
// they fill the first two verses.
const SEPARATED_LETTERS = new Set([
  'الم', 'المص', 'الر', 'المر', 'كهيعص', 'طه', 'طسم', 'طس', 'يس', 'ص', 'حم', 'عسق', 'ق', 'ن',
]);

const seq = (text) => text.split(' ');
const forms = (...list) => list.map(seq);

// Subjects found by word sequences: [id, English name, Arabic name, sequences].
// Forms that also mean something else are listed only inside a context that
// makes the name certain (for example "هودا" is also "Jews" in 2:111).
const WORD_SUBJECTS = [
  [5, '"O you who have believed"', 'يا أيها الذين آمنوا', forms('يا أيها الذين آمنوا')],
  [6, '"O mankind"', 'يا أيها الناس', forms('يا أيها الناس')],
  [8, 'The basmala', 'بسم الله الرحمن الرحيم', forms('بسم الله الرحمن الرحيم')],
  [10, 'Prophet Adam', 'آدم', forms('آدم', 'لآدم')],
  [11, 'Prophet Idris (Enoch)', 'إدريس', forms('إدريس', 'وإدريس')],
  [12, 'Prophet Nuh (Noah)', 'نوح', forms('نوح', 'نوحا', 'ونوحا')],
  [13, 'Prophet Hud', 'هود', forms('هود', 'أخاهم هودا', 'نجينا هودا')],
  [14, 'Prophet Salih', 'صالح', forms('يا صالح', 'أخوهم صالح', 'قوم صالح',
    'أخاهم صالحا', 'نجينا صالحا', 'صالحا مرسل')],
  [15, 'Prophet Ibrahim (Abraham)', 'إبراهيم', forms('إبراهيم', 'بإبراهيم', 'لإبراهيم', 'وإبراهيم')],
  [16, 'Prophet Lut (Lot)', 'لوط', forms('لوط', 'لوطا', 'ولوطا')],
  [17, 'Prophet Ismail (Ishmael)', 'إسماعيل', forms('إسماعيل', 'وإسماعيل')],
  [18, 'Prophet Ishaq (Isaac)', 'إسحاق', forms('إسحاق', 'وإسحاق', 'بإسحاق')],
  [19, "Prophet Ya'qub (Jacob)", 'يعقوب', forms('يعقوب', 'ويعقوب')],
  [20, 'Prophet Yusuf (Joseph)', 'يوسف', forms('يوسف', 'ويوسف', 'ليوسف', 'بيوسف')],
  [21, 'Prophet Ayyub (Job)', 'أيوب', forms('أيوب', 'وأيوب')],
  [22, "Prophet Shu'ayb", 'شعيب', forms('شعيب', 'شعيبا')],
  [23, 'Prophet Musa (Moses)', 'موسى', forms('موسى', 'وموسى', 'بموسى', 'لموسى')],
  [24, 'Prophet Harun (Aaron)', 'هارون', forms('هارون', 'وهارون')],
  [25, 'Prophet Dhul-Kifl', 'ذو الكفل', forms('الكفل')],
  [26, 'Prophet Dawud (David)', 'داوود', forms('داوود', 'وداوود', 'لداوود')],
  [27, 'Prophet Sulayman (Solomon)', 'سليمان', forms('سليمان', 'وسليمان', 'ولسليمان', 'لسليمان')],
  [28, 'Prophet Ilyas (Elijah)', 'إلياس', forms('إلياس', 'وإلياس', 'إل ياسين')],
  [29, "Prophet Al-Yasa' (Elisha)", 'اليسع', forms('اليسع', 'واليسع')],
  [30, 'Prophet Yunus (Jonah)', 'يونس', forms('يونس', 'ويونس', 'وذا النون', 'كصاحب الحوت')],
  [31, 'Prophet Zakariyya (Zechariah)', 'زكريا', forms('زكريا', 'وزكريا')],
  [32, 'Prophet Yahya (John)', 'يحيى', forms('بيحيى', 'وزكريا ويحيى', 'اسمه يحيى', 'يا يحيى', 'له يحيى')],
  [33, "Prophet 'Isa (Jesus)", 'عيسى', forms('عيسى', 'وعيسى', 'بعيسى', 'المسيح', 'والمسيح')],
  [34, 'Prophet Muhammad', 'محمد', forms('محمد', 'اسمه أحمد')],
  [40, 'Maryam (Mary)', 'مريم', forms('مريم', 'ومريم')],
  [41, "Fir'awn (Pharaoh)", 'فرعون', forms('فرعون', 'لفرعون', 'وفرعون')],
  [42, 'The angels Jibril and Mikal', 'جبريل وميكال', forms('لجبريل', 'وجبريل', 'وميكال')],
  [43, 'Makkah and the Sacred Mosque', 'مكة والمسجد الحرام',
    forms('مكة', 'ببكة', 'الكعبة', 'المسجد الحرام', 'والمسجد الحرام')],
];

function containsSequence(verseWords, sequence) {
  outer: for (let i = 0; i + sequence.length <= verseWords.length; i++) {
    for (let j = 0; j < sequence.length; j++) {
      if (verseWords[i + j] !== sequence[j]) continue outer;
    }
    return true;
  }
  return false;
}

/**
 * The subjects with their verses: [{ id, name, arabic, refs }] in id order,
 * each refs list ascending and without duplicates.
 */
export function buildSubjects(src) {
  const verseWords = src.clean.map(words);
  const subjects = [];
  const add = (id, name, arabic, predicate) => {
    const refs = [];
    src.verses.forEach((v, i) => { if (predicate(v, i)) refs.push(v.ref); });
    check(refs.length > 0, `subject ${id} (${name}) has no verse`);
    subjects.push({ id, name, arabic, refs });
  };

  add(1, 'Prostration verses', 'آيات السجدة', (v, i) => src.clean[i].includes(PROSTRATION_SIGN));
  add(2, 'Separated letters', 'الحروف المقطعة',
    (v, i) => v.ayah <= 2 && verseWords[i].length > 0 && SEPARATED_LETTERS.has(verseWords[i][0]));
  const chapterType = new Map(src.chapters.map((c) => [c.no, c.type]));
  add(3, 'Meccan chapters (opening verses)', 'السور المكية',
    (v) => v.ayah === 1 && chapterType.get(v.surah) === 'meccan');
  add(4, 'Medinan chapters (opening verses)', 'السور المدنية',
    (v) => v.ayah === 1 && chapterType.get(v.surah) === 'medinan');
  add(7, 'Verses opening with "Say"', 'قل', (v, i) => verseWords[i][0] === 'قل');
  for (const [id, name, arabic, sequences] of WORD_SUBJECTS) {
    add(id, name, arabic, (v, i) => sequences.some((s) => containsSequence(verseWords[i], s)));
  }
  subjects.sort((a, b) => a.id - b.id);

  // Cross-checks against independent data.
  const byId = new Map(subjects.map((s) => [s.id, s]));
  check(JSON.stringify(byId.get(1).refs) === JSON.stringify(src.sajdaList),
    'prostration signs in the text differ from quran-meta SajdaList');
  const separated = byId.get(2).refs;
  const separatedChapters = new Set(separated.map((r) => src.verses[r - 1].surah));
  check(separated.length === 30 && separatedChapters.size === 29,
    `separated letters found in ${separated.length} verses of ${separatedChapters.size} chapters, expected 30 in 29`);
  check(byId.get(3).refs.length + byId.get(4).refs.length === 114, 'Meccan and Medinan do not cover 114 chapters');
  return subjects;
}
