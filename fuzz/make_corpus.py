#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: corpus/map_line,
corpus/tile_bitmap, corpus/criteria, corpus/map_code_text and corpus/stored_lists. The files are committed; run this again only to change
them (python3 fuzz/make_corpus.py)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def save(folder, name, data):
    path = os.path.join(HERE, 'corpus', folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


# --- map lines: the map file's bytes, then (after the line's end) four bytes
# per route query: from tile, from clearing, to tile, to clearing.
MAP = b'cafdchffifdhedhcdeececcffefgdeddfdeegehebicbfdbhcejbeegcieae'  # seed 12345
QUERIES = bytes([10, 1, 16, 4, 10, 1, 10, 6, 0, 3, 10, 1, 7, 6, 7, 6])
maps = {
    'saved_map.tvm': MAP + b'\r\n',
    'saved_map_with_queries.tvm': MAP + b'\r\n' + QUERIES,
    'no_line_end.tvm': MAP,
    'line_feed_only.tvm': MAP + b'\n',
    'ctrl_z.tvm': MAP + b'\x1a' + QUERIES,
    'empty.tvm': b'',
    'long_line.tvm': b'x' * 5000 + b'\r\n',
    'nul_inside.tvm': MAP[:20] + b'\0' + MAP[21:] + b'\r\n',
    'nul_short.tvm': b'ab\0cd\r\n',
    'bad_rotation_tile5.tvm': MAP[:14] + bytes([107]) + MAP[15:] + b'\r\n',
    'all_at_origin.tvm': b'dde' * 20 + b'\r' + QUERIES,
    'extreme_positions.tvm': bytes([0, 255, 101] * 10 + [255, 0, 106] * 10) + b'\r' + QUERIES,
    'second_line.tvm': MAP + b'\r\n' + MAP[::-1] + b'\r\n',
    'trailing_blanks.tvm': MAP + b'  \r\n',
}
for name, data in maps.items():
    save('map_line', name, data)


# --- tile bitmaps: every depth and compression Windows bitmaps have, and
# hostile headers.
def file_header(total, offset):
    return b'BM' + struct.pack('<IHHI', total, 0, 0, offset)


def info_header(w, h, bpp, compression=0, image_size=0, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, compression, image_size, 2835, 2835,
                       colours, 0)


def bmp(w, h, bpp, pixels, palette=b'', compression=0, extra=b'', info=None):
    if info is None:
        info = info_header(w, h, bpp, compression, len(pixels))
    offset = 14 + len(info) + len(extra) + len(palette)
    return file_header(offset + len(pixels), offset) + info + extra + palette + pixels


def rows(w, h, bpp, row):
    stride = (w * bpp + 31) // 32 * 4
    return b''.join(row(y) + b'\0' * (stride - len(row(y))) for y in range(h))


W, H = 6, 5
PAL2 = b'\xff\x00\xff\x00' + b'\x20\x80\x20\x00'
PAL16 = b''.join(struct.pack('<BBBB', i * 16, 255 - i * 16, i * 40 % 256, 0) for i in range(16))
PAL256 = b''.join(struct.pack('<BBBB', i, 255 - i, i * 7 % 256, 0) for i in range(256))
V4 = (struct.pack('<IiiHHIIiiII', 108, W, H, 1, 32, 3, W * H * 4, 2835, 2835, 0, 0)
      + struct.pack('<IIII', 0xff0000, 0xff00, 0xff, 0xff000000) + b'sRGB' + b'\0' * 48)
CORE = struct.pack('<IHHHH', 12, W, H, 1, 24)
RLE8 = b''.join(bytes([3, y, 0, 3, 10, 11, 12, 0, 0, 0]) for y in range(H)) + bytes([0, 1])
RLE4 = b''.join(bytes([6, 0x12 + y, 0, 0]) for y in range(H)) + bytes([0, 1])
tiles = {
    'bpp1.bmp': bmp(W, H, 1, rows(W, H, 1, lambda y: bytes([0b01111100 if y else 0b00111100])),
                    PAL2),
    'bpp4.bmp': bmp(W, H, 4, rows(W, H, 4, lambda y: bytes([0x01, 0x23, 0x45 + y])), PAL16),
    'bpp8.bmp': bmp(W, H, 8, rows(W, H, 8, lambda y: bytes(range(y, y + W))), PAL256),
    'bpp16.bmp': bmp(W, H, 16, rows(W, H, 16, lambda y: b''.join(
        struct.pack('<H', (x * 5 + y) * 997 & 0x7fff) for x in range(W)))),
    'bpp16_bitfields.bmp': bmp(W, H, 16, rows(W, H, 16, lambda y: b''.join(
        struct.pack('<H', (x * 3 + y) * 2113 & 0xffff) for x in range(W))), compression=3,
        extra=struct.pack('<III', 0xf800, 0x07e0, 0x001f)),
    'bpp24.bmp': bmp(W, H, 24, rows(W, H, 24, lambda y: b''.join(
        bytes([x * 40, y * 50, 200]) for x in range(W)))),
    'bpp24_top_down.bmp': bmp(W, -H, 24, rows(W, H, 24, lambda y: b''.join(
        bytes([x * 40, y * 50, 100]) for x in range(W)))),
    'bpp32.bmp': bmp(W, H, 32, rows(W, H, 32, lambda y: b''.join(
        bytes([x * 40, y * 50, 150, 0]) for x in range(W)))),
    'bpp32_alpha_v4.bmp': bmp(W, H, 32, rows(W, H, 32, lambda y: b''.join(
        bytes([x * 40, y * 50, 150, 255 if x else 0]) for x in range(W))), info=V4),
    'core_header_24.bmp': bmp(W, H, 24, rows(W, H, 24, lambda y: b''.join(
        bytes([x * 40, 90, y * 50]) for x in range(W))), info=CORE),
    'rle8.bmp': bmp(W, H, 8, RLE8, PAL256, compression=1),
    'rle4.bmp': bmp(W, H, 4, RLE4, PAL16, compression=2),
    'rle8_runs_past_the_edges.bmp': bmp(W, H, 8, bytes(
        [200, 5, 0, 2, 250, 250, 255, 7, 0, 2, 1, 1, 9, 9, 0, 1]), PAL256, compression=1),
    # Hostile headers
    'rle8_declares_5700.bmp': bmp(5700, 5700, 8, bytes([255, 1]) * 400 + bytes([0, 1]), PAL256,
                                  compression=1),
    'rle4_declares_5700.bmp': bmp(5700, 5700, 4, bytes([255, 0x11]) * 400 + bytes([0, 1]), PAL16,
                                  compression=2),
    'declares_8192.bmp': bmp(8192, 8192, 24, b'\0' * 64),
    'declares_1025_wide.bmp': bmp(1025, 1, 24, rows(1025, 1, 24, lambda y: b'\x10' * 3075)),
    'exactly_1024_wide.bmp': bmp(1024, 1, 24, rows(1024, 1, 24, lambda y: b'\x20' * 3072)),
    'huge_dimensions.bmp': bmp(0x7fffffff, 0x7fffffff, 24, b'\0' * 64),
    'height_int_min.bmp': bmp(4, -0x80000000, 24, b'\0' * 64),
    'negative_width.bmp': bmp(-4, 4, 24, b'\0' * 64),
    'zero_height.bmp': bmp(4, 0, 24, b'\0' * 64),
    'pixels_cut_short.bmp': bmp(W, H, 24, rows(W, H, 24, lambda y: bytes([1, 2, 3]) * W))[:-20],
    'header_only.bmp': bmp(W, H, 24, b'')[:54],
    'pixels_past_the_end.bmp': file_header(200, 5000) + info_header(W, H, 24) + b'\0' * 100,
    'palette_count_absurd.bmp': bmp(W, H, 8, rows(W, H, 8, lambda y: bytes(W)), PAL256,
                                    info=info_header(W, H, 8, 0, 0, 0xffffffff)),
    'bits_7.bmp': bmp(W, H, 7, b'\0' * 64),
    'jpeg_compression.bmp': bmp(W, H, 24, b'\xff\xd8\xff' + b'\0' * 60, compression=4),
    'png_compression.bmp': bmp(W, H, 24, b'\x89PNG' + b'\0' * 60, compression=5),
    'png_file.bmp': b'\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0\x90wS\xde'
                    b'\0\0\0\x0cIDATx\x9cc\xf8\xcf\xc0\0\0\x03\x01\x01\0\xc9\xfe\x92\xef'
                    b'\0\0\0\0IEND\xaeB`\x82',
    'not_a_bitmap.bmp': b'not a bitmap at all',
    'empty.bmp': b'',
    'signature_only.bmp': b'BM',
}
for name, data in tiles.items():
    save('tile_bitmap', name, data)


# --- criteria: the text typed into the window's criteria line or --where.
criteria = {
    'typical.txt': b'reachable>=95,longest<=18,columns<=6',
    'every_comparison.txt': b' rows = 5 , mean<9.5 ,bridges>0,cutoff<=2,edges>=40',
    'fraction.txt': b'mean<=0.0000000001',
    'twelve_digits.txt': b'longest<=123456789012',
    'long_fraction.txt': b'bridges<=1523467890.2',
    'too_long_number.txt': b'longest<=1234567890123',
    'unknown_figure.txt': b'reach>=95',
    'no_comparison.txt': b'longest',
    'empty_between_commas.txt': b'rows<=5,,columns<=6',
    'trailing_comma.txt': b'rows<=5,',
    'control_bytes.txt': b'rows\x00<=\x1b5\n',
    'high_bytes.txt': bytes(range(128, 256)),
    'empty.txt': b'',
    'only_commas.txt': b',,,,',
    'long_name.txt': b'x' * 5000 + b'>=1',
}
for name, data in criteria.items():
    save('criteria', name, data)

# --- pasted text: every form the map code finder knows, with words around,
# and what only looks like one.
CODE = b'EHPG-50N5-EWD4-1BQN-AP46-PCQX-P4CH-7084-0N77'  # seed 12345, map 1
OLD_CODE = b'M7RFC-5GAJ-FFQA-AA1X-MVQE-F66D-ZWEX'  # the same, as codes were written before
BACKTICKS = b'cbfadfdbgaefdcjbdgacj`ei`dheaeddhcdebffedeeeiebhcefccgbeidei'  # seed 31968000
texts = {
    'share_code.txt': CODE,
    'share_code_lower_no_hyphens.txt': CODE.replace(b'-', b'').lower(),
    'share_code_in_words.txt': b'Try this map: ' + CODE + b' (it is good)\n',
    'share_code_wrapped.txt': b'map: ' + CODE[:10] + b'\r\n' + CODE[10:] + b' ok',
    'share_code_cut_in_group.txt': CODE[:12] + b' ' + CODE[12:],
    'link.txt': b'<a href="tavrin:' + CODE + b'">map</a>',
    'old_code.txt': OLD_CODE + b'\n',
    'old_link_in_words.txt': b'see tavrin:' + OLD_CODE,
    'mistaken_code.txt': CODE[:-2] + CODE[-1:] + CODE[-2:-1],
    'hyphen_typed_over.txt': CODE.replace(b'-', b'X', 1),
    'map_string.txt': MAP,
    'map_string_in_words.txt': b'old code "' + MAP + b'".',
    'map_string_with_backticks.txt': b'here: ' + BACKTICKS + b' !',
    'seed.txt': b'seed 12345',
    'seed_and_map.txt': b'Seed 12345, map 3',
    'seed_slash.txt': b'see 12345/2 tonight',
    'seed_out_of_range.txt': b'Seed 7, map 100001 or seed 1e9 or Seed 7, map -3',
    'date.txt': b'on 12/25/2026',
    'huge_seed.txt': b'seed 99999999999999999999/99999999999',
    'long_run.txt': b'7' * 4000,
    'hyphens.txt': b'-' * 300 + b'tavrin:' + b'-' * 300,
    'hyphens_between_blanks.txt': b'AB- -CD -' * 100,
}
for name, data in texts.items():
    save('map_code_text', name, data)

# --- the page's stored lists: kept maps (CODE, tab, name) and history (CODE,
# tab, seed, tab, number), as the browser's storage holds them.
lists = {
    'kept_maps.txt': CODE + b'\tLake and hills\n' + CODE + b'\t\n',
    'history.txt': CODE + b'\t12345\t1\n' + CODE + b'\t\t\n',
    'no_maps.txt': b'NOT-A-MAP\tname\n\t\t\t\n\n\n',
    'bad_numbers.txt': CODE + b'\t-1\t0\n' + CODE + b'\t99999999999\t1e3\n',
    'long_name.txt': CODE + b'\t' + b'x' * 5000 + b'\n',
    'no_line_end.txt': CODE,
    'high_bytes.txt': CODE + b'\t' + bytes(range(128, 256)) + b'\r\n',
}
for name, data in lists.items():
    save('stored_lists', name, data)
