#!/usr/bin/env python3
"""Writes src/core/countries/entites_dxcc.cpp: ADIF's entity number of each primary prefix of the country
file, from the CSV form of the same file (Debian's hamradio-files: cty.csv), whose third column
is that number. Run again when a new entity appears:
    tools/pays/genere_dxcc.py /usr/share/hamradio-files/cty.csv > src/core/countries/entites_dxcc.cpp
"""
import csv
import sys

lignes = []
with open(sys.argv[1], newline='', encoding='ascii') as f:
    for champs in csv.reader(f):
        if len(champs) >= 3 and champs[2].strip().isdigit():
            lignes.append((champs[0].strip(), int(champs[2]), champs[1].strip()))
lignes.sort()
print('// Written by tools/pays/genere_dxcc.py from the CSV form of the country file: do not edit.')
print('#include "core/countries/pays.h"')
print()
print('#include <algorithm>')
print('#include <iterator>')
print()
print('namespace swl {')
print()
print('namespace {')
print()
print('struct Numero {')
print('    const char16_t* prefixe;')
print('    int dxcc;')
print('};')
print()
print('// Sorted by prefix.')
print('constexpr Numero Numeros[] = {')
for p, n, nom in lignes:
    print(f'    {{u"{p}", {n}}}, // {nom}')
print('};')
print()
print('} // namespace')
print()
print('int Numero_DXCC(QStringView prefixe_primaire) {')
print('    const auto i = std::lower_bound(std::begin(Numeros), std::end(Numeros), prefixe_primaire,')
print('                                    [](const Numero& n, QStringView p) { return QStringView(n.prefixe) < p; });')
print('    return i != std::end(Numeros) && QStringView(i->prefixe) == prefixe_primaire ? i->dxcc : 0;')
print('}')
print()
print('} // namespace swl')
