#!/usr/bin/env python3
"""Set our almanac's suits/forbids beside two independent calendar libraries.

Inputs
  ours        JSON lines from `vantrel-cli almanac FROM TO --json --explain`
              (--ours FILE), or produced here with --cli PATH (written to
              --ours FILE as well when both are given).  Without --explain the
              breakdown of our forbids by spirit/decision reads "(no reasons)".
  references  TSV dumps `date<TAB>suits<TAB>forbids` written by
              ref_lunar_js.mjs (lunar_js.tsv), ref_cnlunar.py (cnlunar.tsv) and
              ref_cnlunar.py --corrected (cnlunar_corrected.tsv); --refs DIR
              names the directory holding all three, --lunar-js / --cnlunar /
              --cnlunar-corrected name single files.

Reading
  Each day and word reads 宜, 忌 or neither.  A word listed on the suits line
  reads 宜; a word listed on the forbids line reads 忌 (a word listed on both,
  which only happens after mapping, reads 忌 and is counted as a conflict);
  a forbids line of 诸事不宜 (ours: all_forbidden) reads every word not listed
  on the suits line as 忌.  A suits line of 诸事不宜 means nothing suits;
  诸事不忌 means nothing is forbidden; 无 and 馀事勿取 carry no word.
  cnlunar's words (the book's) are read as ours through CNLUNAR_MAP; the
  lunar-javascript words through LUNAR_JS_MAP (spelling variants only).

Report
  1. W: the glossary's words that all of ours, lunar-javascript and cnlunar
     print at least once.
  2. Agreement of the three-valued cells over every compared day x W.
  3. For a window (default 2000-01-01..2030-12-31) the share of days each
     word reads 忌, and the share of days nothing suits, per source.
  4. Cells where both references agree and ours differs, by kind, with our
     reasons for the "we 忌 / they not" cells and our grade/settlement and bad
     spirits for the "they 宜 / we not" cells.

Prints tables; --json prints one JSON document instead.
"""
import argparse
import datetime
import json
import os
import subprocess
import sys
from collections import Counter

NONE, YI, JI = 0, 1, 2
CELL_NAME = {NONE: '-', YI: '宜', JI: '忌'}

# cnlunar prints the book's words; read each as the word(s) of our glossary.
# Words not listed here are read as spelt.
CNLUNAR_MAP = {
    '搬移': ('移徙', '入宅'),
    '立券交易': ('立券', '交易'),
    '修造': ('修造', '动土'),
    '上官': ('赴任',),
    '竖柱上梁': ('上梁',),
    '结婚姻': ('订盟',),
    '纳采问名': ('纳采',),
    '冠带': ('冠笄',),
    '破屋坏垣': ('拆卸',),
    '启攒': ('移柩',),
    '求医疗病': ('求医', '治病'),  # only counted where ours prints them
    '疗病': ('求医', '治病'),
    '开张': ('开市',),  # 杨公忌's word for 开市
}
# lunar-javascript prints folk words, spelt as ours for every word of our
# glossary; nothing needs mapping.
LUNAR_JS_MAP = {}

ALL_FORBIDDEN = '诸事不宜'
NOTHING_FORBIDDEN = '诸事不忌'
NO_WORD = {'无', '馀事勿取', '余事勿取'}

WINDOW_WORDS = ['嫁娶', '纳采', '订盟', '出行', '开市', '交易', '入宅', '移徙', '动土', '修造',
                '安葬', '破土', '祭祀', '祈福', '栽种', '安床', '上梁', '立券', '纳财']
WINDOW_OPTIONAL = ['求医', '治病']  # only when ours prints them

# Order in which words are listed in the tables (our glossary's order).
DISPLAY_ORDER = {w: i for i, w in enumerate(
    '嫁娶 祭祀 安葬 出行 祈福 动土 安床 开光 纳采 入殓 移徙 破土 解除 入宅 修造 栽种 开市 移柩 '
    '订盟 拆卸 立券 交易 求嗣 上梁 纳财 起基 斋醮 赴任 冠笄 安门 修坟 挂匾 求医 治病'.split())}

SOURCES = ('ours', 'lunar_js', 'cnlunar', 'cnlunar_corrected')
LABEL = {'ours': 'ours', 'lunar_js': 'lunar-js', 'cnlunar': 'cnlunar',
         'cnlunar_corrected': 'cnlunar corrected'}


class Day:
    """One day of one source, already mapped to our words."""
    __slots__ = ('yi', 'ji', 'ji_all', 'printed', 'bad')

    def __init__(self, yi, ji, ji_all, bad=()):
        self.yi = yi
        self.ji = ji
        self.ji_all = ji_all
        self.printed = yi | ji
        self.bad = bad  # the bad spirits, where the dump has them

    def cell(self, word):
        if word in self.ji:
            return JI
        if word in self.yi:
            return YI
        if self.ji_all:
            return JI
        return NONE

    def nothing_suits(self):
        return not self.yi


def map_words(words, mapping):
    out = set()
    for w in words:
        targets = mapping.get(w)
        if targets is None:
            out.add(w)
        else:
            out.update(targets)
    return out


class RefStats:
    def __init__(self):
        self.days = 0
        self.conflict_cells = 0
        self.conflict_words = Counter()
        self.mixed_all_forbidden_yi = 0   # 诸事不宜 on a suits line that lists words
        self.mixed_all_forbidden_ji = 0   # 诸事不宜 on a forbids line that lists words
        self.nothing_forbidden_with_words = 0
        self.no_word_tokens = Counter()
        self.ji_all_with_yi = 0           # forbids 诸事不宜 but the suits line lists words
        self.vocab = Counter()            # raw words as printed

    def as_json(self):
        return {
            'days': self.days,
            'conflict_cells': self.conflict_cells,
            'conflict_words': dict(self.conflict_words.most_common()),
            'all_forbidden_marker_among_suits': self.mixed_all_forbidden_yi,
            'all_forbidden_marker_among_forbids': self.mixed_all_forbidden_ji,
            'nothing_forbidden_marker_with_words': self.nothing_forbidden_with_words,
            'forbids_all_with_suits_listed': self.ji_all_with_yi,
            'no_word_tokens': dict(self.no_word_tokens),
        }


def load_ref(path, mapping, first, last):
    days = {}
    st = RefStats()
    with open(path, encoding='utf-8') as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if not line:
                continue
            parts = line.split('\t')
            if len(parts) not in (3, 5):
                sys.exit(f'{path}:{n}: expected 3 or 5 tab-separated fields, got {len(parts)}')
            date, yi_s, ji_s = parts[:3]
            bad = tuple(parts[4].split()) if len(parts) == 5 else ()
            if date < first or date > last:
                continue
            yi_raw = yi_s.split()
            ji_raw = ji_s.split()
            st.vocab.update(yi_raw)
            st.vocab.update(ji_raw)
            for t in yi_raw + ji_raw:
                if t in NO_WORD:
                    st.no_word_tokens[t] += 1
            yi_words = [w for w in yi_raw if w not in NO_WORD and w != ALL_FORBIDDEN]
            ji_words = [w for w in ji_raw if w not in NO_WORD and w not in (ALL_FORBIDDEN, NOTHING_FORBIDDEN)]
            if ALL_FORBIDDEN in yi_raw and yi_words:
                st.mixed_all_forbidden_yi += 1
            ji_all = ALL_FORBIDDEN in ji_raw
            if ji_all and ji_words:
                st.mixed_all_forbidden_ji += 1
            if ji_all and yi_words:
                st.ji_all_with_yi += 1
            if NOTHING_FORBIDDEN in ji_raw and ji_words:
                st.nothing_forbidden_with_words += 1
            yi = map_words(yi_words, mapping)
            ji = map_words(ji_words, mapping)
            both = yi & ji
            if both:
                st.conflict_cells += len(both)
                st.conflict_words.update(both)
            if date in days:
                sys.exit(f'{path}:{n}: {date} twice')
            days[date] = Day(yi, ji, ji_all, bad)
    st.days = len(days)
    return days, st


class OurDay(Day):
    __slots__ = ('grade', 'settlement', 'bad_spirits', 'good_spirits', 'ji_reasons', 'all_reason')

    def __init__(self, obj):
        super().__init__(set(obj.get('suits') or ()), set(obj.get('forbids') or ()),
                         bool(obj.get('all_forbidden')))
        g = obj.get('grade')
        self.grade = '表外' if g is None else g
        self.settlement = obj.get('settlement') or '(none)'
        self.bad_spirits = tuple(obj.get('bad_spirits') or ())
        self.good_spirits = tuple(obj.get('good_spirits') or ())
        self.ji_reasons = None
        self.all_reason = None
        reasons = obj.get('reasons')
        if reasons is not None:
            self.ji_reasons = {}
            for r in reasons:
                if r.get('line') != '忌':
                    continue
                item = (tuple(spirit_name(s) for s in r.get('forbidden_by') or ()), r.get('decision') or '')
                if r.get('word') == ALL_FORBIDDEN:
                    self.all_reason = item
                else:
                    self.ji_reasons[r.get('word')] = item

    def ji_reason(self, word):
        """(spirit names, decision) behind our 忌 of word, or None."""
        if self.ji_reasons is None:
            return None
        if word in self.ji:
            return self.ji_reasons.get(word, ((), '(missing reason)'))
        if self.ji_all:
            return self.all_reason or ((), '(missing reason)')
        return None


def spirit_name(s):
    """'厌对（卷十一：嫁娶忌厌对）' -> '厌对'."""
    for sep in ('（', '('):
        i = s.find(sep)
        if i >= 0:
            s = s[:i]
    return s.strip()


def decision_kind(d):
    head = d.split('，', 1)[0]
    if head.endswith('犹忌'):
        return '…犹忌'
    return head


def decision_detail(d):
    return d.split('，', 1)[0]


# The families of our decisions, for the table of differences: a veto is
# named by the first family one of its spirits belongs to.
VETO_FAMILIES = (('月破 大耗', '月破, 大耗 犹忌'), ('往亡 气往亡', '往亡, 气往亡 犹忌'),
                 ('土符 地囊', '土符, 地囊 犹忌'), ('四离 四绝', '四离, 四绝 犹忌'), ('游祸', '游祸 犹忌'))


def decision_family(d):
    head = decision_detail(d)
    if head.endswith('犹忌'):
        names = head[:-2].split('、')
        for members, family in VETO_FAMILIES:
            if any(n in members.split() for n in names):
                return family
        return '其他犹忌 (归忌 八专 复日 九焦 四废 四忌 四穷 天贼 …)'
    if '止忌' in d:
        return '止忌 (a limited great 凶神)'
    return head


def iter_ours_lines(args):
    if args.cli:
        cmd = [args.cli, 'almanac', args.from_, args.to, '--json', '--explain']
        print('running: ' + ' '.join(cmd), file=sys.stderr)
        proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, encoding='utf-8')
        out = open(args.ours, 'w', encoding='utf-8', newline='\n') if args.ours else None
        try:
            for line in proc.stdout:
                if out:
                    out.write(line)
                yield line
        finally:
            if out:
                out.close()
            rc = proc.wait()
            if rc != 0:
                sys.exit(f'{args.cli} exited with {rc}')
    else:
        with open(args.ours, encoding='utf-8') as f:
            yield from f


def load_ours(args, first, last):
    days = {}
    notices = Counter()
    bad_lines = 0
    had_reasons = False
    for line in iter_ours_lines(args):
        line = line.strip()
        if not line:
            continue
        try:
            obj = json.loads(line)
        except json.JSONDecodeError:
            bad_lines += 1
            continue
        date = obj.get('date')
        if date is None:
            notices[next(iter(obj), '?')] += 1
            continue
        if date < first or date > last:
            continue
        day = OurDay(obj)
        had_reasons = had_reasons or day.ji_reasons is not None
        days[date] = day
    return days, {'notices': dict(notices), 'unparsable_lines': bad_lines, 'has_reasons': had_reasons}


def pct(n, d):
    return 100.0 * n / d if d else float('nan')


def date_range(first, last):
    d = datetime.date.fromisoformat(first)
    e = datetime.date.fromisoformat(last)
    one = datetime.timedelta(days=1)
    while d <= e:
        yield d.isoformat()
        d += one


def runs(dates):
    """Collapse sorted ISO dates into 'a..b' runs."""
    out = []
    start = prev = None
    for s in dates:
        d = datetime.date.fromisoformat(s)
        if prev is not None and d == prev + datetime.timedelta(days=1):
            prev = d
            continue
        if start is not None:
            out.append(start.isoformat() if start == prev else f'{start.isoformat()}..{prev.isoformat()}')
        start = prev = d
    if start is not None:
        out.append(start.isoformat() if start == prev else f'{start.isoformat()}..{prev.isoformat()}')
    return out


def analyse(args):
    first, last = args.from_, args.to
    src = {}
    ref_stats = {}
    ours, ours_info = load_ours(args, first, last)
    src['ours'] = ours
    paths = {
        'lunar_js': args.lunar_js or (args.refs and os.path.join(args.refs, 'lunar_js.tsv')),
        'cnlunar': args.cnlunar or (args.refs and os.path.join(args.refs, 'cnlunar.tsv')),
        'cnlunar_corrected': args.cnlunar_corrected or (args.refs and os.path.join(args.refs, 'cnlunar_corrected.tsv')),
    }
    for name, path in paths.items():
        if not path:
            sys.exit(f'no dump for {LABEL[name]}: give --refs DIR or --{name.replace("_", "-")} FILE')
        mapping = LUNAR_JS_MAP if name == 'lunar_js' else CNLUNAR_MAP
        src[name], ref_stats[name] = load_ref(path, mapping, first, last)

    # Days every source has.
    all_dates = list(date_range(first, last))
    missing = {name: [d for d in all_dates if d not in src[name]] for name in SOURCES}
    days = [d for d in all_dates if all(d in src[name] for name in SOURCES)]
    if not days:
        sys.exit('no day is present in every source')

    # 1. W
    vocab = {}
    for name in SOURCES:
        v = set()
        for day in src[name].values():
            v |= day.printed
        vocab[name] = v
    # Only the glossary's words: ours prints the lesser business (沐浴, 扫舍宇
    # ...) only on a day no glossary word suits, so their absence elsewhere
    # is not a reading of the day.
    W = sorted((vocab['ours'] & vocab['lunar_js'] & vocab['cnlunar']) & DISPLAY_ORDER.keys(),
               key=lambda w: (DISPLAY_ORDER.get(w, len(DISPLAY_ORDER)), w))
    not_in_W = {name: sorted(vocab['ours'] - vocab[name]) for name in ('lunar_js', 'cnlunar', 'cnlunar_corrected')}

    # 2. agreement over days x W
    pairs = [('ours', 'cnlunar_corrected'), ('ours', 'cnlunar'), ('ours', 'lunar_js'),
             ('lunar_js', 'cnlunar'), ('lunar_js', 'cnlunar_corrected'), ('cnlunar', 'cnlunar_corrected')]
    conf = {p: Counter() for p in pairs}
    per_word = {w: Counter() for w in W}
    ref_pairs = (('lunar_js', 'cnlunar'), ('lunar_js', 'cnlunar_corrected'))
    # breakdown data per ref pair
    bd = {}
    for rp in ref_pairs:
        bd[rp] = {
            'cells_refs_agree': 0, 'cells_ours_differs': 0,
            'exact': Counter(), 'kinds': Counter(), 'kind_words': {k: Counter() for k in KINDS},
            'we_ji_spirits': Counter(), 'we_ji_kind': Counter(), 'we_ji_detail': Counter(),
            'we_ji_detail_days': {}, 'we_ji_unopposed': Counter(),
            'we_ji_family': Counter(), 'we_ji_family_days': {}, 'kind_days': {k: set() for k in KINDS},
            'their_bad': {k: Counter() for k in KINDS[1:3]}, 'their_bad_days': {k: {} for k in KINDS[1:3]},
            'they_yi_grade': Counter(), 'they_yi_bad_spirits': Counter(),
        }
    S = {name: src[name] for name in SOURCES}
    our_spirits = set()
    for d in S['ours'].values():
        our_spirits.update(d.bad_spirits)
        our_spirits.update(d.good_spirits)
    for date in days:
        o = S['ours'][date]
        l = S['lunar_js'][date]
        c = S['cnlunar'][date]
        k = S['cnlunar_corrected'][date]
        for w in W:
            vals = {'ours': o.cell(w), 'lunar_js': l.cell(w), 'cnlunar': c.cell(w), 'cnlunar_corrected': k.cell(w)}
            pw = per_word[w]
            for p in pairs:
                a, b = vals[p[0]], vals[p[1]]
                conf[p][(a, b)] += 1
                if a == b:
                    pw[p] += 1
            ov = vals['ours']
            for rp in ref_pairs:
                rv = vals[rp[0]]
                if rv != vals[rp[1]]:
                    continue
                B = bd[rp]
                B['cells_refs_agree'] += 1
                pw[('refs', rp)] += 1
                if ov == rv:
                    pw[('ours=refs', rp)] += 1
                    continue
                B['cells_ours_differs'] += 1
                B['exact'][(ov, rv)] += 1
                for kind in kinds_of(ov, rv):
                    B['kinds'][kind] += 1
                    B['kind_words'][kind][w] += 1
                    B['kind_days'][kind].add(date)
                    # Where their 忌 or their missing 宜 may come from: the
                    # second reference's bad spirits that ours never lists.
                    if kind in B['their_bad']:
                        theirs = S[rp[1]][date].bad
                        folk = [n for n in theirs if n not in our_spirits] or ['(none unknown to ours)']
                        for n in folk:
                            B['their_bad'][kind][n] += 1
                            B['their_bad_days'][kind].setdefault(n, set()).add(date)
                if ov == JI:
                    reason = o.ji_reason(w)
                    if reason is None:
                        B['we_ji_spirits']['(no reasons in dump)'] += 1
                        B['we_ji_kind']['(no reasons in dump)'] += 1
                    else:
                        names, decision = reason
                        for n in set(names):
                            B['we_ji_spirits'][n] += 1
                        if not names:
                            B['we_ji_spirits']['(none named)'] += 1
                        B['we_ji_kind'][decision_kind(decision)] += 1
                        B['we_ji_detail'][decision_detail(decision)] += 1
                        B['we_ji_detail_days'].setdefault(decision_detail(decision), set()).add(date)
                        B['we_ji_family'][decision_family(decision)] += 1
                        B['we_ji_family_days'].setdefault(decision_family(decision), set()).add(date)
                        if decision == '有忌无宜':
                            for n in set(names):
                                B['we_ji_unopposed'][n] += 1
                if rv == YI:
                    B['they_yi_grade'][f'{o.grade} / {o.settlement}'] += 1
                    for n in set(o.bad_spirits):
                        B['they_yi_bad_spirits'][n] += 1
                    if not o.bad_spirits:
                        B['they_yi_bad_spirits']['(no bad spirit)'] += 1

    ncells = len(days) * len(W)
    agreement = {}
    for p in pairs:
        same = sum(v for (a, b), v in conf[p].items() if a == b)
        agreement[f'{p[0]}~{p[1]}'] = {
            'cells': ncells, 'agree': same, 'share': pct(same, ncells),
            'confusion': {f'{CELL_NAME[a]}/{CELL_NAME[b]}': v for (a, b), v in sorted(conf[p].items())},
        }
    ref_agreement = {}
    for rp in ref_pairs:
        B = bd[rp]
        agree = B['cells_refs_agree']
        ours_same = agree - B['cells_ours_differs']
        ref_agreement[f'{rp[0]}~{rp[1]}'] = {
            'cells': ncells, 'refs_agree': agree, 'refs_agree_share': pct(agree, ncells),
            'ours_agrees_on_those': ours_same, 'ours_share_on_those': pct(ours_same, agree),
        }
    per_word_out = {}
    for w in W:
        pw = per_word[w]
        n = len(days)
        row = {f'{p[0]}~{p[1]}': pct(pw[p], n) for p in pairs}
        for rp in ref_pairs:
            key = f'{rp[0]}~{rp[1]}'
            row[f'refs_agree:{key}'] = pct(pw[('refs', rp)], n)
            row[f'ours_on_agreed:{key}'] = pct(pw[('ours=refs', rp)], pw[('refs', rp)])
        per_word_out[w] = row

    # 3. window shares
    wfirst, wlast = args.window
    wdays = [d for d in days if wfirst <= d <= wlast]
    wwords = list(args.words) if args.words else WINDOW_WORDS + [w for w in WINDOW_OPTIONAL if w in vocab['ours']]
    window = {'from': wfirst, 'to': wlast, 'days': len(wdays), 'words': wwords, 'ji_share': {}, 'nothing_suits_share': {}}
    for w in wwords:
        window['ji_share'][w] = {name: pct(sum(1 for d in wdays if S[name][d].cell(w) == JI), len(wdays))
                                 for name in SOURCES}
    for name in SOURCES:
        window['nothing_suits_share'][name] = pct(sum(1 for d in wdays if S[name][d].nothing_suits()), len(wdays))
    # also whole range, nothing suits
    nothing_suits_all = {name: pct(sum(1 for d in days if S[name][d].nothing_suits()), len(days)) for name in SOURCES}

    # 4. breakdown
    top = args.top
    breakdown = {}
    for rp in ref_pairs:
        B = bd[rp]
        breakdown[f'{rp[0]}~{rp[1]}'] = {
            'cells_refs_agree': B['cells_refs_agree'],
            'cells_ours_differs': B['cells_ours_differs'],
            'exact (ours/refs)': {f'{CELL_NAME[a]}/{CELL_NAME[b]}': v for (a, b), v in B['exact'].most_common()},
            'kinds': {k: B['kinds'][k] for k in KINDS},
            'kind_days': {k: len(B['kind_days'][k]) for k in KINDS},
            'kind_words': {k: dict(B['kind_words'][k].most_common()) for k in KINDS},
            'we_ji_they_not': {
                'by_spirit': dict(B['we_ji_spirits'].most_common(top)),
                'by_decision_kind': dict(B['we_ji_kind'].most_common(top)),
                'by_decision': dict(B['we_ji_detail'].most_common(top)),
                'unopposed_by_spirit': dict(B['we_ji_unopposed'].most_common(top)),
                'by_family': {k: [v, len(B['we_ji_family_days'][k])] for k, v in B['we_ji_family'].most_common()},
                'days_by_decision': {k: len(B['we_ji_detail_days'][k]) for k, _ in B['we_ji_detail'].most_common(top)},
            },
            'their_bad_spirits_unknown_to_ours': {
                k: {n: [c, len(B['their_bad_days'][k][n])] for n, c in B['their_bad'][k].most_common(top)}
                for k in KINDS[1:3]
            },
            'they_yi_we_not': {
                'by_grade_settlement': dict(B['they_yi_grade'].most_common(top)),
                'by_our_bad_spirit': dict(B['they_yi_bad_spirits'].most_common(top)),
            },
        }

    return {
        'range': {'from': first, 'to': last, 'days_compared': len(days), 'words': len(W), 'cells': ncells,
                  'missing_days': {name: {'count': len(missing[name]), 'runs': runs(missing[name])[:20]}
                                   for name in SOURCES}},
        'ours_input': ours_info,
        'word_map': {'cnlunar': {k: list(v) for k, v in CNLUNAR_MAP.items()},
                     'lunar_js': {k: list(v) for k, v in LUNAR_JS_MAP.items()}},
        'W': W,
        'ours_words_not_printed_by': not_in_W,
        'reference_oddities': {name: st.as_json() for name, st in ref_stats.items()},
        'agreement': agreement,
        'reference_agreement': ref_agreement,
        'per_word_agreement': per_word_out,
        'window': window,
        'nothing_suits_share_whole_range': nothing_suits_all,
        'breakdown': breakdown,
    }


KINDS = ('we 忌 / they not', 'we 宜 / they not', 'they 忌 / we not', 'they 宜 / we not')


def kinds_of(ov, rv):
    out = []
    if ov == JI:
        out.append(KINDS[0])
    if ov == YI:
        out.append(KINDS[1])
    if rv == JI:
        out.append(KINDS[2])
    if rv == YI:
        out.append(KINDS[3])
    return out


# ---------------------------------------------------------------- printing

def width(s):
    return sum(2 if ord(ch) > 0x2E80 else 1 for ch in s)


def pad(s, n, right=False):
    s = str(s)
    fill = ' ' * max(0, n - width(s))
    return fill + s if right else s + fill


def table(headers, rows, right_from=1):
    cols = len(headers)
    w = [width(str(h)) for h in headers]
    for r in rows:
        for i in range(cols):
            w[i] = max(w[i], width(str(r[i])))
    lines = ['  '.join(pad(headers[i], w[i], i >= right_from) for i in range(cols)).rstrip(),
             '  '.join('-' * w[i] for i in range(cols))]
    for r in rows:
        lines.append('  '.join(pad(r[i], w[i], i >= right_from) for i in range(cols)).rstrip())
    return '\n'.join(lines)


def f1(x):
    return '—' if x != x else f'{x:.1f}'


def f2(x):
    return '—' if x != x else f'{x:.2f}'


def print_report(R):
    out = []
    p = out.append
    rg = R['range']
    p(f"Range {rg['from']}..{rg['to']}: {rg['days_compared']} days compared, {rg['words']} words, {rg['cells']} cells")
    for name, m in rg['missing_days'].items():
        if m['count']:
            p(f"  left out, missing from {LABEL[name]}: {m['count']} days ({', '.join(m['runs'])})")
    oi = R['ours_input']
    if not oi['has_reasons']:
        p('  our dump has no reasons (run the CLI with --explain): the breakdown by spirit is empty')
    if oi['notices'] or oi['unparsable_lines']:
        p(f"  our dump: notices {oi['notices']}, unparsable lines {oi['unparsable_lines']}")
    p('')
    p('Word map (cnlunar → ours):  ' + '；'.join(f"{k}→{'、'.join(v)}" for k, v in R['word_map']['cnlunar'].items()))
    p('Word map (lunar-js → ours): ' + ('；'.join(f"{k}→{'、'.join(v)}" for k, v in R['word_map']['lunar_js'].items()) or 'none'))
    p('')
    p(f"1. W ({len(R['W'])} words): {' '.join(R['W'])}")
    for name, ws in R['ours_words_not_printed_by'].items():
        p(f"   ours prints but {LABEL[name]} never does: {' '.join(ws) or 'none'}")
    p('')
    p('2. Agreement of three-valued cells (宜/忌/-) over days × W')
    rows = []
    for key, a in R['agreement'].items():
        x, y = key.split('~')
        rows.append([f'{LABEL[x]} vs {LABEL[y]}', a['agree'], f2(a['share'])])
    p(table(['pair', 'cells agreeing', '%'], rows))
    p('')
    rows = []
    for key, a in R['reference_agreement'].items():
        x, y = key.split('~')
        rows.append([f'{LABEL[x]} = {LABEL[y]}', a['refs_agree'], f2(a['refs_agree_share']),
                     a['ours_agrees_on_those'], f2(a['ours_share_on_those'])])
    p(table(['references agreeing', 'cells', '% of all', 'ours agrees', '% of those'], rows))
    p('')
    p('   Confusion (first / second), cells:')
    for key, a in R['agreement'].items():
        x, y = key.split('~')
        p(f"   {LABEL[x]} / {LABEL[y]}: " + '  '.join(f'{k} {v}' for k, v in a['confusion'].items()))
    p('')
    p('   Per word, % of days agreeing:')
    rows = []
    for w, r in R['per_word_agreement'].items():
        rows.append([w, f1(r['ours~cnlunar_corrected']), f1(r['ours~cnlunar']), f1(r['ours~lunar_js']),
                     f1(r['lunar_js~cnlunar']), f1(r['ours_on_agreed:lunar_js~cnlunar']),
                     f1(r['lunar_js~cnlunar_corrected']), f1(r['ours_on_agreed:lunar_js~cnlunar_corrected'])])
    p(table(['word', 'vs cnC', 'vs cn', 'vs js', 'js=cn', 'ours on js=cn', 'js=cnC', 'ours on js=cnC'], rows))
    p('')
    win = R['window']
    p(f"3. {win['from']}..{win['to']} ({win['days']} days): % of days the word reads 忌")
    rows = []
    for w in win['words']:
        s = win['ji_share'][w]
        rows.append([w] + [f1(s[name]) for name in SOURCES])
    rows.append(['nothing 宜'] + [f1(win['nothing_suits_share'][name]) for name in SOURCES])
    p(table(['word'] + [LABEL[n] for n in SOURCES], rows))
    p('   nothing 宜, whole range: ' + '  '.join(f"{LABEL[n]} {f1(v)}%" for n, v in R['nothing_suits_share_whole_range'].items()))
    p('')
    for key, B in R['breakdown'].items():
        x, y = key.split('~')
        p(f"4. Where {LABEL[x]} and {LABEL[y]} agree ({B['cells_refs_agree']} cells) and ours differs ({B['cells_ours_differs']} cells)")
        p('   exact (ours/refs): ' + '  '.join(f'{k} {v}' for k, v in B['exact (ours/refs)'].items()))
        for k in KINDS:
            words = B['kind_words'][k]
            p(f"   {k}: {B['kinds'][k]} cells, {B['kind_days'][k]} days   words: " +
              ' '.join(f'{w} {n}' for w, n in list(words.items())[:12]))
        we = B['we_ji_they_not']
        p('   we 忌 / they not, by spirit on our reason: ' + '  '.join(f'{k} {v}' for k, v in we['by_spirit'].items()))
        p('   we 忌 / they not, by decision kind: ' + '  '.join(f'{k} {v}' for k, v in we['by_decision_kind'].items()))
        p('   we 忌 / they not, by family (cells/days): ' +
          '  '.join(f'{k} {c}/{d}' for k, (c, d) in we['by_family'].items()))
        p('   we 忌 / they not, by decision (cells/days): ' +
          '  '.join(f"{k} {v}/{we['days_by_decision'][k]}" for k, v in we['by_decision'].items()))
        p('   we 忌 / they not, 有忌无宜, by spirit: ' + '  '.join(f'{k} {v}' for k, v in we['unopposed_by_spirit'].items()))
        for k, names in B['their_bad_spirits_unknown_to_ours'].items():
            if names:
                p(f'   {k}, by {LABEL[y]} bad spirits ours does not know (cells/days): ' +
                  '  '.join(f'{n} {c}/{dd}' for n, (c, dd) in names.items()))
        ty = B['they_yi_we_not']
        p('   they 宜 / we not, by our grade / settlement: ' + '  '.join(f'{k} {v}' for k, v in ty['by_grade_settlement'].items()))
        p('   they 宜 / we not, by our bad spirits: ' + '  '.join(f'{k} {v}' for k, v in ty['by_our_bad_spirit'].items()))
        p('')
    p('Reference oddities:')
    for name, st in R['reference_oddities'].items():
        p(f"   {LABEL[name]}: " + json.dumps(st, ensure_ascii=False))
    print('\n'.join(out))


def iso(s):
    try:
        return datetime.date.fromisoformat(s).isoformat()
    except ValueError:
        raise argparse.ArgumentTypeError(f'bad date {s!r} (want YYYY-MM-DD)')


def main(argv=None):
    ap = argparse.ArgumentParser(description="Compare our almanac's suits/forbids with lunar-javascript and cnlunar.")
    ap.add_argument('--ours', help='our JSON lines dump (written here when --cli is given)')
    ap.add_argument('--cli', help='vantrel-cli to run for the dump (almanac FROM TO --json --explain)')
    ap.add_argument('--refs', help='directory holding lunar_js.tsv, cnlunar.tsv, cnlunar_corrected.tsv')
    ap.add_argument('--lunar-js', dest='lunar_js', help='lunar-javascript TSV dump')
    ap.add_argument('--cnlunar', help='cnlunar TSV dump (as published)')
    ap.add_argument('--cnlunar-corrected', dest='cnlunar_corrected', help='cnlunar TSV dump (--corrected)')
    ap.add_argument('--from', dest='from_', type=iso, default='1901-01-01', help='first day compared')
    ap.add_argument('--to', type=iso, default='2100-12-31', help='last day compared')
    ap.add_argument('--window', nargs=2, type=iso, metavar=('FROM', 'TO'), default=['2000-01-01', '2030-12-31'],
                    help='days for the 忌 shares (section 3)')
    ap.add_argument('--words', nargs='+', help='words for section 3 (default the usual nineteen, plus 求医/治病 if ours prints them)')
    ap.add_argument('--top', type=int, default=25, help='rows of each breakdown list')
    ap.add_argument('--json', action='store_true', help='print one JSON document instead of tables')
    a = ap.parse_args(argv)
    if not a.ours and not a.cli:
        ap.error('give --ours FILE or --cli PATH')
    if a.to < a.from_:
        ap.error('--to is before --from')
    R = analyse(a)
    if a.json:
        json.dump(R, sys.stdout, ensure_ascii=False, indent=1)
        sys.stdout.write('\n')
    else:
        print_report(R)
    return 0


if __name__ == '__main__':
    sys.exit(main())
