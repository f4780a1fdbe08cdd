// The Madani mushaf: its 604 pages line for line, and where its divisions
// begin. The lines come from @saqfish/asim (one text per printed line, in
// mushaf order); the divisions from quran-meta. Every line is checked
// against the verse table: each verse is found exactly once, in order, with
// its number printed at its end, and every page has its count of lines.
// A disagreement throws, so the build never stores a mushaf that loses or
// doubles a verse.

import fs from 'node:fs';
import { HizbQuarterList, JuzList, ManzilList, PageList, SajdaList } from 'quran-meta/hafs';
import { check, VERSE_COUNT } from './sources.mjs';

export const PAGE_COUNT = 604;
export const LINE_COUNT = 9046;
const LINES_PER_PAGE = 15;
// Pages 1 and 2 (the opening chapter and the start of the second) are
// printed with 8 lines each.
const OPENING_PAGES = 2;
const OPENING_LINES = 8;

// The pages whose first verse differs between the lines of @saqfish/asim
// and quran-meta's page list: page -> [AyahRef in the lines, in quran-meta].
// The lines are kept as published (a page is where its lines put it); any
// other difference fails the build.
const PAGE_START_DIFFERENCES = new Map([
  [121, [747, 746]], [122, [753, 752]], [123, [760, 759]], [145, [920, 921]], [532, [4920, 4918]],
  [533, [4943, 4942]], [534, [4971, 4969]], [565, [5288, 5287]], [568, [5359, 5358]], [570, [5416, 5415]],
  [576, [5514, 5513]], [584, [5729, 5728]], [586, [5799, 5801]], [588, [5853, 5855]], [589, [5882, 5883]],
  [590, [5909, 5910]], [592, [5959, 5964]], [593, [5990, 5994]], [594, [6016, 6017]], [595, [6042, 6044]],
  [596, [6068, 6073]], [597, [6093, 6099]], [598, [6119, 6126]], [599, [6136, 6138]], [600, [6152, 6156]],
]);

const TITLE_PREFIX = 'سُورَةُ';
const QUARTER_SIGN = '\u06DE';
const PROSTRATION_SIGN = '\u06E9';
// Words are separated by spaces; a verse's number and some signs are joined
// to the word before them by a no-break space.
const WORD_BREAK = /[ \u00A0]/;
const VERSE_NUMBER = /^[\u0660-\u0669]+$/;

export function readMushafLines() {
  const file = new URL('../node_modules/@saqfish/asim/data/hafs/raw.json', import.meta.url);
  const lines = JSON.parse(fs.readFileSync(file, 'utf8'));
  check(Array.isArray(lines) && lines.length === LINE_COUNT,
    `@saqfish/asim holds ${lines?.length} mushaf lines, expected ${LINE_COUNT}`);
  return lines;
}

function arabicNumber(digits) {
  return Number([...digits].map((c) => c.codePointAt(0) - 0x660).join(''));
}

/** Page and line (both from 1) of the mushaf line at index i. */
export function placeOfLine(i) {
  const opening = OPENING_PAGES * OPENING_LINES;
  if (i < opening) return { page: Math.floor(i / OPENING_LINES) + 1, line: (i % OPENING_LINES) + 1 };
  const k = i - opening;
  return { page: OPENING_PAGES + Math.floor(k / LINES_PER_PAGE) + 1, line: (k % LINES_PER_PAGE) + 1 };
}

/**
 * The mushaf's lines as rows { page, line, kind, surah, text, from, to }:
 * kind 'title' (a chapter's title band), 'basmala' (the basmala before a
 * chapter's first verse) or 'text'; from and to are the AyahRef of the
 * verse that the line's first and last word belong to (null on titles and
 * on the basmala lines). The text is stored as published, end spaces aside.
 */
export function buildMushafLines(src, raw = readMushafLines()) {
  check(raw.length === LINE_COUNT, `${raw.length} mushaf lines, expected ${LINE_COUNT}`);
  const chapterOf = (ref) => src.verses[ref - 1].surah;
  // The basmala as printed over a chapter: the first verse of the first
  // chapter without its number.
  const basmala = raw[1].trim().split(WORD_BREAK).filter((w) => !VERSE_NUMBER.test(w)).join(' ');

  const rows = [];
  const verseLine = new Map(); // AyahRef -> index of the row where the verse begins
  const quarterSigns = []; // AyahRef of each verse printed after a quarter sign
  const prostrationSigns = []; // AyahRef of each verse printed with the prostration sign
  let surah = 0;
  let next = 1; // AyahRef of the verse whose words come next
  let inVerse = false;
  raw.forEach((rawText, i) => {
    const { page, line } = placeOfLine(i);
    const text = rawText.trim();
    if (text.startsWith(TITLE_PREFIX)) {
      check(!inVerse, `page ${page} line ${line}: a chapter title inside verse ${next}`);
      surah++;
      check(next <= VERSE_COUNT && chapterOf(next) === surah,
        `page ${page} line ${line}: the title of chapter ${surah} comes before verse ${next}`);
      rows.push({ page, line, kind: 'title', surah, text, from: null, to: null });
      return;
    }
    const words = text.split(WORD_BREAK);
    if (!inVerse && surah !== 1 && words.join(' ') === basmala && src.verses[next - 1].ayah === 1) {
      rows.push({ page, line, kind: 'basmala', surah, text, from: null, to: null });
      return;
    }
    check(text !== '', `page ${page} line ${line} is empty`);
    const from = next;
    let last = next;
    for (const word of words) {
      if (word === QUARTER_SIGN) {
        check(!inVerse, `page ${page} line ${line}: a quarter sign inside verse ${next}`);
        quarterSigns.push(next);
      } else if (VERSE_NUMBER.test(word)) {
        check(inVerse, `page ${page} line ${line}: a verse number without its verse`);
        const v = src.verses[next - 1];
        check(arabicNumber(word) === v.ayah,
          `page ${page} line ${line}: verse ${v.surah}:${v.ayah} ends with the number ${arabicNumber(word)}`);
        last = next;
        next++;
        inVerse = false;
      } else {
        check(next <= VERSE_COUNT, `page ${page} line ${line}: words after the last verse`);
        check(chapterOf(next) === surah, `page ${page} line ${line}: verse ${next} is not in chapter ${surah}`);
        if (!inVerse) verseLine.set(next, rows.length);
        if (word.includes(PROSTRATION_SIGN)) prostrationSigns.push(next);
        inVerse = true;
        last = next;
      }
    }
    rows.push({ page, line, kind: 'text', surah, text, from, to: last });
  });
  check(!inVerse && next === VERSE_COUNT + 1,
    `the mushaf lines end at verse ${next - 1}, expected every verse up to ${VERSE_COUNT}`);
  check(surah === src.chapters.length, `the mushaf has ${surah} chapter titles`);
  for (let p = 1; p <= PAGE_COUNT; p++) {
    const count = rows.filter((r) => r.page === p).length;
    const expected = p <= OPENING_PAGES ? OPENING_LINES : LINES_PER_PAGE;
    check(count === expected, `page ${p} has ${count} lines, expected ${expected}`);
  }
  return { rows, verseLine, quarterSigns, prostrationSigns };
}

/** The page (1..604) on which each verse begins, index AyahRef - 1. */
function versePages(rows, verseLine) {
  return Array.from({ length: VERSE_COUNT }, (_, i) => rows[verseLine.get(i + 1)].page);
}

/**
 * The divisions as rows { kind, no, ref }: where each page, part, hizb
 * quarter and manzil begins (AyahRef of its first verse), and each verse
 * with a prostration. They come from quran-meta; the pages are checked
 * against the lines, and the quarter and prostration signs printed in the
 * text against the quarter and prostration lists.
 */
export function buildDivisions(src, lines) {
  const pageOf = versePages(lines.rows, lines.verseLine);
  // The page where each page's first verse begins, as the lines print it.
  const pageStarts = [];
  pageOf.forEach((page, i) => { if (pageStarts[page - 1] === undefined) pageStarts[page - 1] = i + 1; });
  check(pageStarts.length === PAGE_COUNT && pageStarts.every((ref) => ref !== undefined),
    'a page of the mushaf begins no verse');
  check(PageList.length === PAGE_COUNT + 2 && PageList[PAGE_COUNT + 1] === VERSE_COUNT + 1,
    `quran-meta lists ${PageList.length - 2} pages, expected ${PAGE_COUNT}`);
  for (let p = 1; p <= PAGE_COUNT; p++) {
    const known = PAGE_START_DIFFERENCES.get(p);
    const expected = known && PageList[p] === known[1] ? known[0] : PageList[p];
    check(pageStarts[p - 1] === expected,
      `page ${p} begins with verse ${pageStarts[p - 1]} in the lines, quran-meta says ${PageList[p]}`);
  }

  // The quarter that the print (and the sign in the lines) begins at 15:49,
  // where quran-meta's list says 15:50: the printed sign is followed.
  const quarters = HizbQuarterList.slice(1, -1).map((ref) => (ref === 1852 ? 1851 : ref));
  check(quarters.length === 240, `quran-meta lists ${quarters.length} hizb quarters, expected 240`);
  const quarterSet = new Set(quarters);
  for (const ref of lines.quarterSigns) {
    check(quarterSet.has(ref), `a quarter sign is printed before verse ${ref}, where no hizb quarter begins`);
  }
  const sajdas = [...SajdaList];
  check(sajdas.join() === lines.prostrationSigns.join(),
    `the prostration signs stand in verses ${lines.prostrationSigns.join()}, quran-meta lists ${sajdas.join()}`);

  const rows = [];
  const add = (kind, list) => list.forEach((ref, k) => rows.push({ kind, no: k + 1, ref }));
  add('page', pageStarts);
  add('part', JuzList.slice(1, -1));
  add('quarter', quarters);
  add('manzil', ManzilList.slice(1, -1));
  add('sajda', sajdas);
  return rows;
}
