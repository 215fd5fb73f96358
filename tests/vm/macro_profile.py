# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Gives profile 4 of a seeded data folder a macro on its fourth button (a 3-step macro in the
# library's last slot, referenced from the profile table) and report rate 8, so an upload of it
# carries a macro command and its 16-report run.
import struct
import sys

d = sys.argv[1]
with open(d + "/Macro.cfg", "r+b") as f:
    slot = struct.pack("<6I", 4104, 0xE8E80010, 0x15000001, 0, 1, 3)
    slot += struct.pack("<3I", 0xC0000041, 0xA0000064, 0xE0000041)
    f.seek(499 * 4104)
    f.write(slot)
with open(d + "/Profile/Profile4.cfg", "r+b") as f:
    f.seek(4 + 3 * 3148)
    f.write(struct.pack("<I", 6))
    f.seek(22164)
    f.write(struct.pack("<I", 8))
with open(d + "/Profile/ConfigInfo.cfg", "r+b") as f:
    f.seek(3 * 1600 + 1572 + 3 * 4)
    f.write(struct.pack("<I", 0x15000001))
