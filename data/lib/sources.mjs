// Loads the pinned data packages and checks that they are complete and agree
// with each other. Every check failure throws: the build must not produce a
// database with missing chapters, verses or texts.

import fs from 'node:fs';
import { JuzList, SurahList, SajdaList } from 'quran-meta/hafs';

export const CHAPTER_COUNT = 114;
export const VERSE_COUNT = 6236;
export const PART_COUNT = 30;

const MODULES = new URL('../node_modules/', import.meta.url);

function readJson(relative) {
  return JSON.parse(fs.readFileSync(new URL(relative, MODULES), 'utf8'));
}

export function check(condition, message) {
  if (!condition) throw new Error(`content check failed: ${message}`);
}

// quran-json: one file per language, each an array of chapters whose verses
// carry `text` (Uthmani) and the file's own field.
function loadQuranJson(file, field) {
  const chapters = readJson(`quran-json/dist/${file}`);
  check(Array.isArray(chapters) && chapters.length === CHAPTER_COUNT,
    `${file} holds ${chapters.length} chapters, expected ${CHAPTER_COUNT}`);
  const texts = [];
  chapters.forEach((chapter, index) => {
    check(chapter.id === index + 1, `${file}: chapter ${index + 1} has id ${chapter.id}`);
    check(chapter.verses.length === chapter.total_verses,
      `${file}: chapter ${chapter.id} lists ${chapter.verses.length} of ${chapter.total_verses} verses`);
    chapter.verses.forEach((verse, v) => {
      check(verse.id === v + 1, `${file}: verse ${chapter.id}:${v + 1} has id ${verse.id}`);
      const text = verse[field];
      check(typeof text === 'string' && text.trim() !== '',
        `${file}: verse ${chapter.id}:${verse.id} has no ${field}`);
      texts.push(text);
    });
  });
  check(texts.length === VERSE_COUNT, `${file} holds ${texts.length} verses, expected ${VERSE_COUNT}`);
  return { chapters, texts };
}

function loadFlatText(name) {
  const texts = readJson(`@ghoran/text/json/quran-text-${name}.json`);
  check(Array.isArray(texts) && texts.length === VERSE_COUNT,
    `@ghoran/text ${name} holds ${texts.length} verses, expected ${VERSE_COUNT}`);
  texts.forEach((t, i) => check(typeof t === 'string' && t.trim() !== '',
    `@ghoran/text ${name}: verse ${i + 1} is empty`));
  return texts;
}

/**
 * Everything the content is made of. `verses[i]` describes AyahRef i + 1.
 * `translationCodes` are the quran-json language files to read.
 */
export function loadSources(translationCodes) {
  const { chapters: rawChapters, texts: uthmani } = loadQuranJson('quran.json', 'text');

  // Chapter table cross-checked against quran-meta's: first verse, verse
  // count and the Meccan/Medinan classification must agree.
  check(SurahList.length === CHAPTER_COUNT + 2, `quran-meta lists ${SurahList.length - 2} chapters`);
  const chapters = [];
  const verses = [];
  let ref = 1;
  for (const c of rawChapters) {
    const [metaStart, metaCount, , , , metaMeccan] = SurahList[c.id];
    check(metaStart === ref && metaCount === c.total_verses,
      `chapter ${c.id}: quran-meta says verses ${metaStart}+${metaCount}, quran-json ${ref}+${c.total_verses}`);
    check(c.type === 'meccan' || c.type === 'medinan', `chapter ${c.id} has type ${c.type}`);
    check((c.type === 'meccan') === metaMeccan, `chapter ${c.id}: sources disagree on Meccan/Medinan`);
    chapters.push({
      no: c.id, name: c.name, transliteration: c.transliteration,
      type: c.type, firstRef: ref, verseCount: c.total_verses,
    });
    for (let a = 1; a <= c.total_verses; a++) verses.push({ ref: ref++, surah: c.id, ayah: a, parah: 0 });
  }
  check(verses.length === VERSE_COUNT, `${verses.length} verses, expected ${VERSE_COUNT}`);

  // Parts: JuzList is [0, first verse of part 1, ..., first verse of part 30, 6237].
  check(JuzList.length === PART_COUNT + 2 && JuzList[1] === 1 && JuzList[PART_COUNT + 1] === VERSE_COUNT + 1,
    'quran-meta JuzList does not describe 30 parts covering every verse');
  for (let p = 1; p <= PART_COUNT; p++) {
    check(JuzList[p] < JuzList[p + 1], `part ${p} is empty`);
    for (let r = JuzList[p]; r < JuzList[p + 1]; r++) verses[r - 1].parah = p;
  }

  const simpleMin = loadFlatText('tanzil-simple-min');
  const clean = loadFlatText('tanzil-simple-clean');

  const translations = {};
  for (const code of translationCodes) {
    const file = code === 'transliteration' ? 'quran_transliteration.json' : `quran_${code}.json`;
    const field = code === 'transliteration' ? 'transliteration' : 'translation';
    const { chapters: tc, texts } = loadQuranJson(file, field);
    // The Arabic carried along in every language file must be the same edition.
    tc.forEach((chapter, i) => check(chapter.verses.every((v, j) =>
      v.text === rawChapters[i].verses[j].text), `${file}: Arabic text differs from quran.json in chapter ${i + 1}`));
    translations[code] = texts;
  }

  return {
    chapters, verses, uthmani, simpleMin, clean, translations,
    juzList: [...JuzList], sajdaList: [...SajdaList],
  };
}
