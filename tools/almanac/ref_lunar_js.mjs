#!/usr/bin/env node
// Dumps the day suits/forbids of lunar-javascript (6tail) as TSV:
//   date<TAB>suits space-separated<TAB>forbids space-separated
// one line per day, so that compare.py can set them beside our almanac.
//
// Usage: node ref_lunar_js.mjs --lib PATH [--out FILE] [FROM [TO]]
//   --lib PATH  the lunar-javascript checkout (directory holding index.js)
//   --out FILE  write there instead of standard output
//   FROM TO     dates as YYYY-MM-DD, default 1901-01-01 2100-12-31
// The words are printed as the library returns them (getDayYi()/getDayJi(),
// default sect), nothing mapped or filtered.
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import path from 'node:path';

function usage(msg) {
  if (msg) process.stderr.write(`ref_lunar_js: ${msg}\n`);
  process.stderr.write('usage: node ref_lunar_js.mjs --lib PATH [--out FILE] [FROM [TO]]\n');
  process.exit(2);
}

const args = process.argv.slice(2);
let lib = null;
let out = null;
const dates = [];
for (let i = 0; i < args.length; i++) {
  const a = args[i];
  if (a === '--lib') lib = args[++i];
  else if (a === '--out') out = args[++i];
  else if (a === '-h' || a === '--help') usage();
  else if (a.startsWith('-')) usage(`unknown option ${a}`);
  else dates.push(a);
}
if (!lib) usage('--lib is required');
if (dates.length > 2) usage('at most two dates');

function parseDate(s) {
  const m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(s);
  if (!m) usage(`bad date ${s}`);
  const t = Date.UTC(+m[1], +m[2] - 1, +m[3]);
  const d = new Date(t);
  if (d.getUTCFullYear() !== +m[1] || d.getUTCMonth() !== +m[2] - 1 || d.getUTCDate() !== +m[3]) usage(`bad date ${s}`);
  return t;
}
const from = parseDate(dates[0] ?? '1901-01-01');
const to = parseDate(dates[1] ?? dates[0] ?? '2100-12-31');
if (to < from) usage('TO is before FROM');

const require = createRequire(import.meta.url);
const { Solar } = require(path.resolve(lib, 'index.js'));

const DAY = 86400000;
const lines = [];
for (let t = from; t <= to; t += DAY) {
  const d = new Date(t);
  const y = d.getUTCFullYear(), m = d.getUTCMonth() + 1, day = d.getUTCDate();
  const lunar = Solar.fromYmd(y, m, day).getLunar();
  const iso = `${String(y).padStart(4, '0')}-${String(m).padStart(2, '0')}-${String(day).padStart(2, '0')}`;
  lines.push(`${iso}\t${lunar.getDayYi().join(' ')}\t${lunar.getDayJi().join(' ')}`);
}
const text = lines.join('\n') + '\n';
if (out) writeFileSync(out, text, 'utf8');
else process.stdout.write(text);
