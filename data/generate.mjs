#!/usr/bin/env node
// Builds the content of an application folder from the pinned data packages:
//   DIC.DAT                  the content database (SQLite)
//   WebSurah.Htm, WebWord.Htm, WebSubject.Htm, WebSearch.Htm   picker pages
//   media/demo/SSS.mp3       the demo voice (when espeak-ng and lame exist)
//   fonts/                   the mushaf's font, as published
//
// usage: node generate.mjs APPFOLDER --fold FOLDTOOL [--keep-sql FILE]
//
// FOLDTOOL is the program's tilvora-fold: the searchable form of every text
// is folded by it, so that the stored texts and the program's search texts
// are folded by one function.
//
// Everything is first made in a scratch folder inside APPFOLDER and then
// renamed into place, the database last; a failed build leaves the previous
// content untouched. The SQL script is the same for the same inputs. The demo
// voice's folder is stored as "media/demo", relative to the application
// folder, so the folder can be copied, moved or installed as a whole.

import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { surahNames } from 'quran-meta/i18n';
import { searchable } from './lib/arabic.mjs';
import {
  DEMO_VOICE, FOLDER_VOICES, TEXT_PROGRAMS, TRANSLATION_CODES, TYPES, chapterFileName, verseFileName,
} from './lib/catalogue.mjs';
import { makeDemoVoice, missingTools } from './lib/demovoice.mjs';
import { buildDivisions, buildMushafLines, LINE_COUNT, PAGE_COUNT } from './lib/mushaf.mjs';
import { buildPages } from './lib/pages.mjs';
import {
  check, loadSources, CHAPTER_COUNT, PART_COUNT, VERSE_COUNT,
} from './lib/sources.mjs';
import { CHAPTER_NAMES_TABLE, INDEXES, SCHEMA, SqlScript } from './lib/sql.mjs';
import { buildSubjects } from './lib/subjects.mjs';
import { buildWordIndex } from './lib/wordindex.mjs';

// The interface's languages whose chapter names quran-meta carries; the
// window writes the others' in Arabic (Arabic, Urdu) or in transliteration.
const CHAPTER_NAME_LANGUAGES = ['fr', 'ru', 'tr'];

const MASTER_COLUMNS = ['MasterID', 'MasterTypeID', 'Master', 'Description', 'Data', 'UserSelection',
  'DefaultSelection', 'SortOrderUser', 'SortOrderDef', 'TextDirection', 'FontName', 'FontSize', 'FontBold'];
const DETAIL_COLUMNS = ['DetailID', 'MasterID', 'AyahRef', 'Data', 'DataSearchable', 'DataPos', 'DataRef'];

/**
 * The chapters' names in the interface languages that quran-meta names them
 * in, as [SurahNo, Language, Name] in chapter and then language order.
 */
function chapterNamesInLanguages() {
  const rows = [];
  for (let no = 1; no <= 114; ++no) {
    for (const language of CHAPTER_NAME_LANGUAGES) {
      const names = surahNames[language];
      if (!names || !names[no] || !names[no][0]) throw new Error(`quran-meta names no chapter ${no} in ${language}`);
      rows.push([no, language, names[no][0]]);
    }
  }
  return rows;
}

function escapeMarkup(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

/**
 * Data and DataSearchable (before folding) of a text program's verse i.
 */
function textOf(program, src, i) {
  switch (program.source) {
    case 'uthmani': return [src.uthmani[i], searchable(src.clean[i])];
    case 'simpleMin': return [src.simpleMin[i], searchable(src.clean[i])];
    default: {
      // Translations are placed into the reading page as markup.
      const text = escapeMarkup(src.translations[program.source][i]);
      return [text, text.toLowerCase()];
    }
  }
}

/**
 * A function that folds an array of texts through the folding tool in one
 * run. The folding works character by character and keeps line feeds, so
 * the texts travel as lines.
 */
function makeFolder(tool) {
  return (texts) => {
    if (texts.some((t) => t.includes('\n'))) throw new Error('a searchable text holds a line feed');
    const result = spawnSync(tool, [], { input: texts.join('\n'), encoding: 'utf8', maxBuffer: 256 * 1024 * 1024 });
    if (result.error) throw new Error(`cannot run ${tool}: ${result.error.message}`);
    if (result.status !== 0) throw new Error(`${tool} failed: ${result.stderr.trim()}`);
    const folded = result.stdout.split('\n');
    if (folded.length !== texts.length) throw new Error(`${tool} returned ${folded.length} texts for ${texts.length}`);
    return folded;
  };
}

// The mushaf's font, shipped unmodified beside the program.
const MUSHAF_FONT = new URL('./node_modules/@ghoran/text/dist/fonts/uthmanic-hafs/uthmanic-hafs-v22.ttf',
  import.meta.url);
const FONT_FOLDER = 'fonts';

function buildScript(src, wordIndex, subjects, demoPositions, fold, mushaf) {
  const sql = new SqlScript();
  sql.line('PRAGMA page_size = 4096;');
  sql.line('BEGIN TRANSACTION;');
  for (const statement of SCHEMA) sql.line(statement);

  sql.insert('AP_TypesMaster_TAB', ['MasterTypeID', 'MasterType', 'SysTerm'],
    TYPES.map((t) => [t.id, t.name, t.sysTerm]));

  const masters = [];
  for (const p of TEXT_PROGRAMS) {
    masters.push([p.id, p.type, p.name, p.description, null, p.selected, p.selected, p.position, p.position,
      p.style.direction, p.style.font, p.style.size, p.style.bold]);
  }
  for (const v of [DEMO_VOICE, ...FOLDER_VOICES]) {
    // A voice's folder is the empty text until it is set.
    masters.push([v.id, v.type, v.name, v.description, v.folder ?? '', v.selected, v.selected, v.position,
      v.position, null, null, null, null]);
  }
  masters.sort((a, b) => a[0] - b[0]);
  sql.insert('AP_Master_TAB', MASTER_COLUMNS, masters);

  sql.insert('MD_Ayah_TAB', ['AyahRef', 'SurahNo', 'AyahNo', 'ParahNo'],
    src.verses.map((v) => [v.ref, v.surah, v.ayah, v.parah]));

  const programIds = [...TEXT_PROGRAMS.map((p) => p.id), DEMO_VOICE.id, ...FOLDER_VOICES.map((v) => v.id)]
    .sort((a, b) => a - b);
  let detailId = 0;
  for (const id of programIds) {
    const rows = [];
    const text = TEXT_PROGRAMS.find((p) => p.id === id);
    if (text) {
      const texts = src.verses.map((v, i) => textOf(text, src, i));
      const searchables = fold(texts.map(([, dataSearchable]) => dataSearchable));
      src.verses.forEach((v, i) => {
        rows.push([++detailId, id, v.ref, texts[i][0], searchables[i], null, null]);
      });
    } else if (id === DEMO_VOICE.id) {
      for (const v of src.verses) {
        if (!DEMO_VOICE.chapters.includes(v.surah)) continue;
        const measured = demoPositions ? demoPositions.get(v.ref) : null;
        rows.push([++detailId, id, v.ref, chapterFileName(v.surah), null, measured ? measured.pos : '0', null]);
      }
    } else {
      for (const v of src.verses) rows.push([++detailId, id, v.ref, verseFileName(v.surah, v.ayah), null, '0', null]);
    }
    sql.insert('AP_Detail_TAB', DETAIL_COLUMNS, rows);
  }

  sql.insert('RF_Word_TAB', ['Word', 'RootWord', 'AyahRef'], wordIndex.rows.map((r) => [r.word, r.root, r.ref]));
  sql.insert('RF_Subject_TAB', ['SubjectID', 'AyahRef'], subjects.flatMap((s) => s.refs.map((r) => [s.id, r])));
  sql.insert('GN_Subject_TAB', ['SubjectID', 'Subject', 'SubjectArabic'], subjects.map((s) => [s.id, s.name, s.arabic]));
  sql.insert('GN_Surah_TAB', ['SurahNo', 'SurahName', 'Transliteration', 'Revelation', 'AyahCount'],
    src.chapters.map((c) => [c.no, c.name, c.transliteration, c.type, c.verseCount]));

  sql.insert('MS_Line_TAB', ['PageNo', 'LineNo', 'Kind', 'SurahNo', 'Data', 'FirstAyahRef', 'LastAyahRef'],
    mushaf.lines.rows.map((r) => [r.page, r.line, r.kind, r.surah, r.text, r.from, r.to]));
  sql.insert('MS_Division_TAB', ['Division', 'No', 'AyahRef'], mushaf.divisions.map((d) => [d.kind, d.no, d.ref]));

  sql.line(CHAPTER_NAMES_TABLE);
  sql.insert('GN_SurahName_TAB', ['SurahNo', 'Language', 'Name'], chapterNamesInLanguages());

  for (const statement of INDEXES) sql.line(statement);
  sql.line('COMMIT;');
  return sql.text();
}

function sqlite(db, input) {
  const result = spawnSync('sqlite3', ['-bail', '-batch', '-noheader', '-separator', '\t', db],
    { input, encoding: 'utf8', maxBuffer: 64 * 1024 * 1024 });
  if (result.error) throw new Error(`cannot run sqlite3: ${result.error.message}`);
  if (result.status !== 0) throw new Error(`sqlite3 failed: ${result.stderr.trim()}`);
  return result.stdout.split('\n').filter((l) => l !== '').map((l) => l.split('\t'));
}

/** Checks the written database itself, independently of the script. */
function verifyDatabase(db, src) {
  const one = (q) => sqlite(db, q)[0][0];
  check(one('PRAGMA integrity_check;') === 'ok', 'database integrity check');
  check(Number(one('SELECT COUNT(*) FROM MD_Ayah_TAB;')) === VERSE_COUNT, `${VERSE_COUNT} verses`);
  check(Number(one('SELECT COUNT(DISTINCT SurahNo) FROM MD_Ayah_TAB;')) === CHAPTER_COUNT, `${CHAPTER_COUNT} chapters`);
  check(one('SELECT MIN(AyahRef) || \'-\' || MAX(AyahRef) FROM MD_Ayah_TAB;') === `1-${VERSE_COUNT}`,
    'verse references run from 1 to the last verse');

  const perProgram = sqlite(db, `SELECT m.MasterID, COUNT(d.DetailID), COUNT(DISTINCT d.AyahRef),
      SUM(d.Data IS NULL OR d.Data = '') FROM AP_Master_TAB m JOIN AP_TypesMaster_TAB t
      ON m.MasterTypeID = t.MasterTypeID LEFT JOIN AP_Detail_TAB d ON d.MasterID = m.MasterID
      WHERE t.SysTerm IN ('MATAN', 'TRANSLATION', 'TAFSEER') GROUP BY m.MasterID ORDER BY m.MasterID;`);
  check(perProgram.length === TEXT_PROGRAMS.length, 'every text program is in the database');
  for (const [id, rows, distinct, empty] of perProgram) {
    check(Number(rows) === VERSE_COUNT && Number(distinct) === VERSE_COUNT && Number(empty) === 0,
      `text program ${id} has ${rows} rows for ${distinct} verses (${empty} empty), expected one per verse`);
  }

  const parts = sqlite(db, 'SELECT ParahNo, MIN(AyahRef), MAX(AyahRef) FROM MD_Ayah_TAB GROUP BY ParahNo ORDER BY ParahNo;');
  check(parts.length === PART_COUNT, `${parts.length} parts, expected ${PART_COUNT}`);
  parts.forEach(([no, first, last], k) => {
    const p = k + 1;
    check(Number(no) === p && Number(first) === src.juzList[p] && Number(last) === src.juzList[p + 1] - 1,
      `part ${no} runs ${first}-${last}, the juz table says ${src.juzList[p]}-${src.juzList[p + 1] - 1}`);
  });

  check(one('SELECT COUNT(*) || \'/\' || COUNT(DISTINCT PageNo) FROM MS_Line_TAB;') === `${LINE_COUNT}/${PAGE_COUNT}`,
    `the mushaf has ${LINE_COUNT} lines on ${PAGE_COUNT} pages`);

  check(one(`SELECT COUNT(*) FROM AP_Master_TAB WHERE UserSelection IS NOT DefaultSelection
      OR SortOrderUser IS NOT SortOrderDef;`) === '0', "the user's selection and order start from the defaults");
  const defaults = sqlite(db, `SELECT SortOrderDef FROM AP_Master_TAB WHERE DefaultSelection = 1
      AND MasterTypeID IN (1, 2, 3) ORDER BY SortOrderDef;`).map((r) => r[0]).join(',');
  check(defaults === '0,1,2,3', `default text positions are ${defaults}, expected 0,1,2,3`);
}

function replaceFile(from, to) {
  fs.renameSync(from, to);
}

function replaceFolder(from, to) {
  const old = `${to}.old-${process.pid}`;
  fs.mkdirSync(path.dirname(to), { recursive: true });
  if (fs.existsSync(to)) fs.renameSync(to, old);
  fs.renameSync(from, to);
  fs.rmSync(old, { recursive: true, force: true });
}

async function main(argv) {
  const args = [...argv];
  const option = (name) => {
    const k = args.indexOf(name);
    if (k < 0) return null;
    const value = args[k + 1] ?? '';
    args.splice(k, 2);
    return value;
  };
  const keepSql = option('--keep-sql');
  const foldTool = option('--fold');
  if (args.length !== 1 || keepSql === '' || !foldTool) {
    throw new Error('usage: node generate.mjs APPFOLDER --fold FOLDTOOL [--keep-sql FILE]');
  }
  const started = Date.now();
  const appFolder = path.resolve(args[0]);
  fs.mkdirSync(appFolder, { recursive: true });

  const src = loadSources(TRANSLATION_CODES);
  const wordIndex = buildWordIndex(src);
  const subjects = buildSubjects(src);
  const parts = [];
  for (let p = 1; p <= PART_COUNT; p++) {
    const v = src.verses[src.juzList[p] - 1];
    parts.push({ no: p, opening: `${src.chapters[v.surah - 1].name} ${v.ayah}` });
  }

  const work = fs.mkdtempSync(path.join(appFolder, '.content-build-'));
  try {
    let demoPositions = null;
    const demoDir = path.join(work, 'demo');
    const missing = missingTools();
    if (missing.length === 0) {
      demoPositions = await makeDemoVoice(src, DEMO_VOICE.chapters, demoDir, path.join(work, 'speech'));
    } else {
      process.stderr.write(`warning: ${missing.join(' and ')} not found: the demo voice gets no audio files\n`);
    }

    const lines = buildMushafLines(src);
    const mushaf = { lines, divisions: buildDivisions(src, lines) };
    const script = buildScript(src, wordIndex, subjects, demoPositions, makeFolder(foldTool), mushaf);
    if (keepSql) fs.writeFileSync(keepSql, script);
    const db = path.join(work, 'DIC.DAT');
    sqlite(db, script);
    const demoFolder = path.join(appFolder, DEMO_VOICE.folder);
    verifyDatabase(db, src);

    const pages = buildPages({
      chapters: src.chapters, parts, roots: wordIndex.roots, words: wordIndex.words, subjects,
    });
    for (const [name, html] of Object.entries(pages)) {
      fs.writeFileSync(path.join(work, name), html);
    }

    const fontDir = path.join(work, FONT_FOLDER);
    fs.mkdirSync(fontDir);
    fs.copyFileSync(MUSHAF_FONT, path.join(fontDir, path.basename(MUSHAF_FONT.pathname)));

    for (const name of Object.keys(pages)) replaceFile(path.join(work, name), path.join(appFolder, name));
    replaceFolder(fontDir, path.join(appFolder, FONT_FOLDER));
    if (demoPositions) replaceFolder(demoDir, demoFolder);
    replaceFile(db, path.join(appFolder, 'DIC.DAT'));

    const size = fs.statSync(path.join(appFolder, 'DIC.DAT')).size;
    const rooted = wordIndex.rows.filter((r) => r.root !== null).length;
    console.log(`content: ${path.join(appFolder, 'DIC.DAT')} (${(size / 1048576).toFixed(1)} MiB) in ${((Date.now() - started) / 1000).toFixed(1)} s`);
    console.log(`content: ${wordIndex.words.length} words, ${wordIndex.roots.length} roots `
      + `(${rooted} of ${wordIndex.rows.length} word rows rooted), ${subjects.length} subjects, `
      + `demo voice ${demoPositions ? `${demoPositions.size} verses` : 'without audio'}`);
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main(process.argv.slice(2)).catch((error) => {
  process.stderr.write(`content build failed: ${error.message}\n`);
  process.exit(1);
});
