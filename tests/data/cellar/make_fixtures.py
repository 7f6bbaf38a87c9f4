#!/usr/bin/env python3
"""Writes the Cellar File fixtures of this folder byte by byte, independently of the program's writer,
so that a mistake the reader and the writer share still shows in the tests. Run it from this folder."""
import struct

def text(s):
    b = s.encode('cp1252') if isinstance(s, str) else s
    if len(b) < 0xFF:
        return bytes([len(b)]) + b
    if len(b) < 0xFFFE:
        return b'\xff' + struct.pack('<H', len(b)) + b
    return b'\xff\xff\xff' + struct.pack('<I', len(b)) + b

def entry(first, w):
    tag = b'\xff\xff' + struct.pack('<HH', 1, 5) + b'CWine' if first else b'\x01\x80'
    out = tag + struct.pack('<i', w['vintage'])
    for k in ('producer', 'designation', 'wineType', 'appellation', 'region'):
        out += text(w[k])
    out += struct.pack('<ffii', w['cost'], w['value'], w['numberAcquired'], w['numberRemaining'])
    for k in ('dateAcquired', 'tryDate', 'drinkDate', 'rating', 'country', 'bins', 'vendor', 'user1',
              'user2', 'user3', 'user4', 'user5', 'history', 'spare', 'dateModified'):
        out += text(w[k])
    return out + struct.pack('<i', w['letterColor']) + text(w['notes'])

def cellar(entries, header=0):
    return struct.pack('<IH', header, len(entries)) + b''.join(entry(i == 0, w) for i, w in enumerate(entries))

blank = dict(vintage=0, cost=0.0, value=0.0, numberAcquired=0, numberRemaining=0, letterColor=0)
for k in ('producer', 'designation', 'wineType', 'appellation', 'region', 'dateAcquired', 'tryDate',
          'drinkDate', 'rating', 'country', 'bins', 'vendor', 'user1', 'user2', 'user3', 'user4', 'user5',
          'history', 'spare', 'dateModified', 'notes'):
    blank[k] = ''

margaux = dict(blank, vintage=1985, producer='Château Margaux', designation='Grand Vin', wineType='Red',
               appellation='Margaux', region='Bordeaux', cost=24.95, value=120.5, numberAcquired=12,
               numberRemaining=5, dateAcquired='3-14-90', tryDate='1-1-00', drinkDate='12-31-25',
               rating='95+', country='France', bins='A1-2', vendor='Sherry-Lehmann', user1='750ml',
               user3='u3', user5='5', history='3-14-90\t12\t0\t24.95\t0.00\t24.95\t0.00\x06', spare='sp',
               dateModified='7-4-16', letterColor=2, notes='Cedar.\r\nLong finish.')
krug = dict(blank, vintage=0, producer='Krug', designation='Grande Cuvée', wineType='Sparkling',
            appellation='Champagne', cost=-0.0, value=-1.5, numberAcquired=-3, numberRemaining=2147483647,
            bins='Z9', letterColor=3, notes='n' * 255)

files = {
    'empty.bwf': cellar([]),
    'one-blank.bwf': cellar([blank]),
    'two-entries.bwf': cellar([margaux, krug]),
    'two-entries-header-ffffffff.bwf': cellar([margaux, krug], header=0xFFFFFFFF),
}
for name, data in files.items():
    with open(name, 'wb') as f:
        f.write(data)
