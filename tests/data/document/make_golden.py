#!/usr/bin/python3
"""Writes the reference documents graph_v30.brl and sounding.brl beside this script.

The bytes are laid out here by hand with struct, independently of the program's
own writer, so the test that compares the two catches a change in either. Run it
only when the document format itself changes:

    /usr/bin/python3 tests/data/document/make_golden.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def i32(v):
    return struct.pack('<i', v)


def f32(v):
    return struct.pack('<f', v)


def string(text):
    data = text.encode('cp1252')
    n = len(data)
    if n < 0xFF:
        prefix = bytes([n])
    elif n < 0xFFFE:
        prefix = b'\xff' + struct.pack('<H', n)
    else:
        prefix = b'\xff\xff\xff' + struct.pack('<I', n)
    return prefix + data


def raw8(text):
    data = text.encode('cp1252')[:8]
    return data + b'\0' * (8 - len(data))


# Aeropuerto de Almería, 7 March 2020, latest observation 17:30.
HOURS = [(h + 18) % 24 for h in range(24)]
TEMPERATURE = [12, 11, 11, 10, 10, 6666, 9, 9, 10, 12, 14, 16,
               18, 19, 20, 21, 21, 20, 19, 18, 17, 16, 15, 15]
DEW_POINT = [8, 8, 7, 7, 7, 6666, 6, 6, 6, 7, 7, 8,
             8, 8, 9, 9, 9, 9, 10, 10, 10, 10, 9, 9]
PRESSURE = [1016, 1016, 1016, 1015, 1015, 1015, 1015, 1016, 1016, 1017, 1017, 1017,
            1016, 1016, 1015, 1015, 1014, 1014, 1014, 1014, 1015, 1015, 1015, 1015]
WIND_SPEED = [9, 7, 6, 0, 0, 6666, 4, 6, 9, 6666, 13, 17,
              20, 24, 26, 28, 26, 22, 19, 15, 13, 11, 9, 9]
DIRECTION = ['WSW', 'W', 'W', 'Calm', 'Calm', 'No', 'N', 'NNE', 'NE', 'No', 'E', 'ESE',
             'SE', 'SSE', 'S', 'SSW', 'SW', 'SW', 'WSW', 'Variable', 'W', 'WNW', 'NW', 'NNW']
SKY_REPORT = ('No hay presencia de nubes significativas. \n'
              'PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:\n'
              'No se esperan cambios importantes en las próximas 2 horas. \n')

graph = i32(7) + i32(3) + i32(2020) + i32(1730) + string('Aeropuerto de Almería')
for s in range(24):
    graph += (i32(HOURS[s]) + i32(TEMPERATURE[s]) + i32(DEW_POINT[s]) + i32(PRESSURE[s]) +
              i32(WIND_SPEED[s]) + raw8(DIRECTION[s]))
graph += i32(63) + i32(30) + string(SKY_REPORT) + i32(1) + i32(1) + i32(21)

# Madrid - España, 1 February 2021 at 12 UTC, three levels.
LEVELS = [
    [1000.0, 609.0, 12.4, 3.2, 53.0, 250.0, 5.0],
    [925.0, 1280.0, 8.6, -1.4, 49.0, 270.0, 15.0],
    [850.0, 1520.5, 4.25, -9.75, 35.0, 285.0, 22.0],
]
sounding = (string('sondeo') + i32(len(LEVELS)) + string('Madrid - España') + string('12') +
            string('1') + string('2') + string('2021'))
for row in LEVELS:
    for value in row:
        sounding += f32(value)

with open(os.path.join(HERE, 'graph_v30.brl'), 'wb') as f:
    f.write(graph)
with open(os.path.join(HERE, 'sounding.brl'), 'wb') as f:
    f.write(sounding)
