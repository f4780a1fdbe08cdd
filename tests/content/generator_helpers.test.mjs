// Helpers of the content generator whose faults would not show as a wrong
// count in the database: quoting, word splitting, audio timing.

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { searchable, speakable, words } from '../../data/lib/arabic.mjs';
import { formatSeconds, readWav, startPositions, wavFile } from '../../data/lib/demovoice.mjs';
import { literal } from '../../data/lib/sql.mjs';

test('SQL literals double apostrophes and keep Null, numbers and Booleans apart', () => {
  assert.equal(literal("Abul A'la"), "'Abul A''la'");
  assert.equal(literal("/home/o'neil/media/demo"), "'/home/o''neil/media/demo'");
  assert.equal(literal(''), "''");
  assert.equal(literal(null), 'NULL');
  assert.equal(literal(12), '12');
  assert.equal(literal(true), '1');
  assert.equal(literal(false), '0');
  assert.throws(() => literal(Number.NaN));
});

test('words of the diacritics-free text drop pause signs joined by no-break spaces', () => {
  const verse = 'ذلك الكتاب لا ريب\u00a0\u06db فيه\u00a0\u06db هدى للمتقين';
  assert.deepEqual(words(verse), ['ذلك', 'الكتاب', 'لا', 'ريب', 'فيه', 'هدى', 'للمتقين']);
  assert.equal(searchable(verse), 'ذلك الكتاب لا ريب فيه هدى للمتقين');
  assert.equal(searchable('\u06e9 سجدا'), 'سجدا');
  // A letter glued to a mark is not silently split into a different word.
  assert.throws(() => words('ريب\u06db'));
});

test('speakable text keeps vowels, turns the dagger alef into a long vowel, drops signs', () => {
  assert.equal(speakable('الرَّحمـٰنِ'), 'الرَّحمانِ');
  assert.equal(speakable('ذٰلِكَ الكِتابُ لا رَيبَ ۛ فيهِ ۛ هُدًى'), 'ذالِكَ الكِتابُ لا رَيبَ فيهِ هُدًى');
});

test('start positions add each verse and the gap before the next, to the hundredth', () => {
  // 22050 frames per second; verses of 1 s, 2.5 s and 0.333 s; gaps of 0.6 s.
  assert.deepEqual(startPositions([22050, 55125, 7342], 22050, 13230), ['0', '1.6', '4.7']);
  assert.deepEqual(startPositions([], 22050, 13230), []);
  assert.equal(formatSeconds(3.4249), '3.42');
  assert.equal(formatSeconds(3.425001), '3.43');
  assert.equal(formatSeconds(12), '12');
});

test('WAVE files are read back with their frame count, also when the size field overshoots', () => {
  const format = { channels: 1, rate: 22050, bits: 16 };
  const pcm = Buffer.alloc(2 * 300, 7);
  const file = wavFile(format, pcm);
  const read = readWav(file);
  assert.equal(read.frames, 300);
  assert.equal(read.rate, 22050);
  assert.deepEqual(read.pcm, pcm);

  // A writer that streamed its output leaves a placeholder size.
  const streamed = Buffer.from(file);
  streamed.writeUInt32LE(0xffffffff, 40);
  assert.equal(readWav(streamed).frames, 300);
  assert.throws(() => readWav(Buffer.from('not a wave file at all, just text')));
});

test('the mushaf lines are refused when a verse is lost, doubled or a page loses a line', async () => {
  const { loadSources } = await import('../../data/lib/sources.mjs');
  const { buildMushafLines, readMushafLines } = await import('../../data/lib/mushaf.mjs');
  const src = loadSources([]);
  const raw = readMushafLines();
  assert.equal(buildMushafLines(src, raw).rows.length, raw.length);
  const changed = (edit) => {
    const copy = [...raw];
    edit(copy);
    return () => buildMushafLines(src, copy);
  };
  // Line 4 of page 1 holds the ends of verses 1:3 and 1:4.
  assert.throws(changed((l) => { l[3] = l[3].replace('\u00a0\u0663', ''); }), /number/);
  assert.throws(changed((l) => { l.splice(20, 0, l[19]); l.pop(); }), /verse|number/);
  assert.throws(changed((l) => { l.splice(40, 1); l.push(l.at(-1)); }), /verse|number|page/);
  assert.throws(changed((l) => { l.pop(); }), /lines/);
});
