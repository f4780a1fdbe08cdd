// The demo voice: espeak-ng's Arabic voice speaks each verse of a few short
// chapters; the verses of one chapter are joined, with a short pause between
// them, into one MP3 file per chapter (lame). Each verse's start in its file
// is measured from the synthesised audio itself.

import { execFile, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { promisify } from 'node:util';
import { speakable } from './arabic.mjs';
import { chapterFileName } from './catalogue.mjs';

const run = promisify(execFile);

export const GAP_SECONDS = 0.6;
const SPEED_WPM = '140';
const PARALLEL = 4;

function available(tool) {
  return spawnSync(tool, ['--version'], { stdio: 'ignore' }).status === 0;
}

/** The tools the demo voice needs that this machine lacks. */
export function missingTools() {
  return ['espeak-ng', 'lame'].filter((t) => !available(t));
}

/**
 * The PCM samples and format of a RIFF/WAVE file. espeak-ng writes 16-bit
 * mono; when it writes to a pipe its size fields may be placeholders, so the
 * data chunk is taken to run to the end of the file if its size overshoots.
 */
export function readWav(buffer) {
  if (buffer.toString('ascii', 0, 4) !== 'RIFF' || buffer.toString('ascii', 8, 12) !== 'WAVE') {
    throw new Error('not a WAVE file');
  }
  let offset = 12;
  let format = null;
  while (offset + 8 <= buffer.length) {
    const id = buffer.toString('ascii', offset, offset + 4);
    let size = buffer.readUInt32LE(offset + 4);
    const body = offset + 8;
    if (id === 'fmt ') {
      format = {
        channels: buffer.readUInt16LE(body + 2),
        rate: buffer.readUInt32LE(body + 4),
        bits: buffer.readUInt16LE(body + 14),
      };
    } else if (id === 'data') {
      if (!format) throw new Error('WAVE data before its format');
      if (body + size > buffer.length) size = buffer.length - body;
      const frameBytes = format.channels * (format.bits / 8);
      size -= size % frameBytes;
      return { ...format, pcm: buffer.subarray(body, body + size), frames: size / frameBytes };
    }
    offset = body + size + (size % 2);
  }
  throw new Error('WAVE file without data');
}

export function wavFile({ channels, rate, bits }, pcm) {
  const header = Buffer.alloc(44);
  const blockAlign = channels * (bits / 8);
  header.write('RIFF', 0, 'ascii');
  header.writeUInt32LE(36 + pcm.length, 4);
  header.write('WAVE', 8, 'ascii');
  header.write('fmt ', 12, 'ascii');
  header.writeUInt32LE(16, 16);
  header.writeUInt16LE(1, 20);
  header.writeUInt16LE(channels, 22);
  header.writeUInt32LE(rate, 24);
  header.writeUInt32LE(rate * blockAlign, 28);
  header.writeUInt16LE(blockAlign, 32);
  header.writeUInt16LE(bits, 34);
  header.write('data', 36, 'ascii');
  header.writeUInt32LE(pcm.length, 40);
  return Buffer.concat([header, pcm]);
}

/** Seconds as the shortest decimal text with at most two decimals ("0", "3.4", "3.42"). */
export function formatSeconds(seconds) {
  return String(Number(seconds.toFixed(2)));
}

/**
 * Start positions (text, seconds) of verses whose audio lasts `frames[i]`
 * frames at `rate`, spoken in turn with `gapFrames` of silence between them.
 */
export function startPositions(frames, rate, gapFrames) {
  const out = [];
  let at = 0;
  for (const f of frames) {
    out.push(formatSeconds(at / rate));
    at += f + gapFrames;
  }
  return out;
}

async function speak(text, wavPath) {
  // -b 1: the text is UTF-8 whatever the locale says.
  await run('espeak-ng', ['-v', 'ar', '-s', SPEED_WPM, '-b', '1', '-w', wavPath, text]);
  return readWav(fs.readFileSync(wavPath));
}

async function inPool(jobs, limit) {
  const results = new Array(jobs.length);
  let next = 0;
  const worker = async () => {
    while (next < jobs.length) {
      const i = next++;
      results[i] = await jobs[i]();
    }
  };
  await Promise.all(Array.from({ length: Math.min(limit, jobs.length) }, worker));
  return results;
}

/**
 * Synthesises the chapters into `outDir` (created; must be empty) and
 * returns Map(AyahRef -> { file, pos }) for every verse of those chapters.
 */
export async function makeDemoVoice(src, chapterNumbers, outDir, scratchDir) {
  fs.mkdirSync(outDir, { recursive: true });
  fs.mkdirSync(scratchDir, { recursive: true });
  const verses = src.verses.filter((v) => chapterNumbers.includes(v.surah));
  const spoken = await inPool(verses.map((v) => () =>
    speak(speakable(src.simpleMin[v.ref - 1]), path.join(scratchDir, `${v.ref}.wav`))), PARALLEL);

  const positions = new Map();
  const encodes = [];
  for (const surah of chapterNumbers) {
    const indexes = verses.map((v, i) => i).filter((i) => verses[i].surah === surah);
    const format = spoken[indexes[0]];
    for (const i of indexes) {
      const s = spoken[i];
      if (s.rate !== format.rate || s.channels !== format.channels || s.bits !== format.bits) {
        throw new Error(`speech synthesis changed its audio format within chapter ${surah}`);
      }
    }
    const gapFrames = Math.round(GAP_SECONDS * format.rate);
    const silence = Buffer.alloc(gapFrames * format.channels * (format.bits / 8));
    const pcm = Buffer.concat(indexes.flatMap((i, k) => (k === 0 ? [spoken[i].pcm] : [silence, spoken[i].pcm])));
    const starts = startPositions(indexes.map((i) => spoken[i].frames), format.rate, gapFrames);
    const file = chapterFileName(surah);
    indexes.forEach((i, k) => positions.set(verses[i].ref, { file, pos: starts[k] }));

    const wavPath = path.join(scratchDir, `chapter-${surah}.wav`);
    fs.writeFileSync(wavPath, wavFile(format, pcm));
    const chapter = src.chapters[surah - 1];
    encodes.push(() => run('lame', ['--quiet', '-m', 'm', '-b', '48',
      '--tt', `${surah} ${chapter.transliteration} (demo voice)`,
      '--ta', 'Tilvora demo voice (eSpeak NG)',
      wavPath, path.join(outDir, file)]));
  }
  await inPool(encodes, PARALLEL);
  return positions;
}
