#!/usr/bin/env python3
"""Writes kill.wav: the short falling "zap" played when the popup blocker kills a window.

A sine sweep from 1400 Hz down to 350 Hz over 180 ms with a fast attack and an exponential
decay, 22050 Hz, 16-bit mono. Run it again only to change the sound.
"""
import math
import struct
import wave

RATE = 22050
SECONDS = 0.18
START_HZ, END_HZ = 1400.0, 350.0

frames = []
phase = 0.0
count = int(RATE * SECONDS)
for i in range(count):
    t = i / count
    freq = START_HZ * (END_HZ / START_HZ) ** t
    phase += 2 * math.pi * freq / RATE
    envelope = min(1.0, i / (0.005 * RATE)) * math.exp(-4.0 * t)
    frames.append(struct.pack("<h", int(0.6 * 32767 * envelope * math.sin(phase))))

with wave.open("kill.wav", "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(b"".join(frames))
