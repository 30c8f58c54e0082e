#!/usr/bin/env python3
"""Writes the Music game's songs as note files: song0.music, song1.music, song2.music.

Each song has its four instruments on their own channels (1 synth lead, 2 bass, 3 guitar,
10 drums), so the manifest renders the whole song from a file and each solo and pick-up
flourish from the same file with `channels=` and `beats=`. The beat ranges of those parts are
listed in each file's head and in ../manifest.txt.

Run from anywhere: python3 assets/musicgame/tools/make_songs.py
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)

SYNTH, BASS, GUITAR, DRUMS = 1, 2, 3, 10
KICK, STICK, SNARE, HAT, OPEN_HAT, CRASH, RIDE = 36, 37, 38, 42, 46, 49, 51
TOM_LO, TOM_MID, TOM_HI, TOM_TOP = 45, 47, 48, 50
CABASA, MARACAS, TRIANGLE = 69, 70, 81


class Song:
    def __init__(self, title, tempo, tail):
        self.title = title
        self.head = [f"tempo {tempo}", f"tail {tail}", "gain 0.5", "reverb on"]
        self.notes = []  # (beat, text)
        self.parts = []

    def channel(self, text):
        self.head.append(text)

    def part(self, text):
        self.parts.append(text)

    def seq(self, ch, at, vel, tokens, comment=""):
        line = f"seq {ch} {fmt(at)} {vel} {tokens}"
        self.notes.append((at, ch, line + (f"  # {comment}" if comment else "")))

    def note(self, ch, at, length, key, vel):
        self.notes.append((at, ch, f"note {ch} {fmt(at)} {fmt(length)} {key} {vel}"))

    def write(self, name):
        lines = [f"# {self.title}", "# Written by tools/make_songs.py; edit that script, not this file."]
        lines += [f"# {p}" for p in self.parts]
        lines += [""] + self.head + [""]
        names = {SYNTH: "synth lead", BASS: "bass", GUITAR: "guitar", DRUMS: "drums"}
        for ch in (DRUMS, SYNTH, BASS, GUITAR):
            lines.append(f"# {names[ch]}")
            lines += [text for at, c, text in sorted(self.notes, key=lambda n: n[0]) if c == ch]
            lines.append("")
        with open(os.path.join(OUT, name), "w") as f:
            f.write("\n".join(lines))


def fmt(x):
    return f"{x:g}"


def bar_tokens(pattern, chord):
    return " ".join(f"{chord}/{beats}" if chord else f"r/{beats}" for beats in pattern)


# --- Song 0: a bouncy march in C, 120 beats a minute, 16 bars of 4 (32 s) ---------------------
def song0():
    s = Song("Song 0: a bouncy march in C major, 4/4, 16 bars", 120, 1.5)
    s.channel("channel 1 program 81 volume 82 pan 76   # square lead")
    s.channel("channel 2 program 34 volume 112 pan 60  # finger bass")
    s.channel("channel 3 program 28 volume 88 pan 44   # clean electric guitar")
    s.channel("channel 10 volume 96")
    s.part("drums: solo beats 48-56.5 (bars 13-14 with the fill), flourish 6-8.5 (the intro fill)")
    s.part("synth: solo beats 8-16 (bars 3-4), flourish 56-58 (the run up in bar 15)")
    s.part("bass: solo beats 0-8 (the intro), flourish 37-40 (the walk up in bar 10)")
    s.part("guitar: solo beats 40-48 (bars 11-12), flourish 4-7 (the strums of bar 2)")
    for bar in range(15):
        b = bar * 4
        if bar in (1, 13):  # groove for two beats, then a fill
            s.seq(DRUMS, b, 92, f"{KICK}/1 {SNARE}/1")
            s.seq(DRUMS, b, 60, f"{HAT}/0.5 {HAT}/0.5 {HAT}/0.5 {HAT}/0.5")
            s.seq(DRUMS, b + 2, 88, f"{SNARE}/0.25 {SNARE}/0.25 {SNARE}/0.25 {SNARE}/0.25 "
                  f"{TOM_TOP}/0.25 {TOM_HI}/0.25 {TOM_MID}/0.25 {TOM_LO}/0.25", "fill")
            continue
        s.seq(DRUMS, b, 96, f"{KICK}/1 r/1 {KICK}/1 r/1")
        s.seq(DRUMS, b + 1, 90, f"{SNARE}/2 {SNARE}/1")
        s.seq(DRUMS, b, 58, " ".join([f"{HAT}/0.5"] * 8))
        if bar in (2, 14):
            s.seq(DRUMS, b, 90, f"{CRASH}/1")
    s.seq(DRUMS, 60, 100, f"{CRASH}+{KICK}/4", "the last hit")

    melody = [  # bars 3..16
        "C5/1 E5/1 G5/1 E5/1", "F5/1 A5/1 C6/1 A5/1", "G5/1 F5/0.5 E5/0.5 D5/1 B4/1",
        "C5/1 E5/0.5 G5/0.5 C6/2", "E5/0.5 E5/0.5 G5/1 E5/0.5 E5/0.5 G5/1",
        "A5/0.5 A5/0.5 C6/1 A5/1 F5/1", "G5/1 B5/0.5 D6/0.5 G5/1 F5/1", "E5/1 C5/1 C5/2",
        "A5/1.5 G5/0.5 F5/1 A5/1", "G5/1.5 F5/0.5 E5/1 G5/1", "F5/1 A5/1 C6/1 D6/1",
        "B5/1 A5/0.5 G5/0.5 F5/0.5 E5/0.5 D5/1",
        "G4/0.25 B4/0.25 D5/0.25 F5/0.25 G5/0.25 B5/0.25 D6/0.25 F6/0.25 G6/2", "C6/3"]
    for i, tokens in enumerate(melody):
        s.seq(SYNTH, 8 + 4 * i, 96, tokens)

    bass = ["C2/1 E2/0.5 G2/0.5 C3/1 G2/1", "G1/1 B1/0.5 D2/0.5 G2/1 D2/1"]
    roots = {"C": "C2/1 G2/1 C2/1 G2/1", "F": "F2/1 C3/1 F2/1 C3/1", "G": "G2/1 D2/1 G2/1 D2/1"}
    for chord in "CFGCCFG":
        bass.append(roots[chord])
    bass.append("C2/1 E2/0.5 F2/0.5 G2/0.5 A2/0.5 B2/0.5 C3/0.5")  # bar 10: walk up
    bass += ["F2/1 C3/1 F2/1 A2/1", "C2/1 G2/1 C3/1 G2/1", "F2/1 C3/1 F2/1 A2/1",
             "G2/1 D3/1 G2/1 B2/1", "G2/1 F2/1 E2/1 D2/1", "C2/3"]
    for i, tokens in enumerate(bass):
        s.seq(BASS, 4 * i, 100, tokens)

    chords = {"C": "C4+E4+G4", "F": "C4+F4+A4", "G": "B3+D4+G4", "G7": "B3+D4+F4+G4"}
    low = {"C": "C3+G3+C4+E4", "F": "F3+C4+F4+A4", "G": "G3+B3+D4+G4"}
    g = low["G"]
    s.seq(GUITAR, 4, 96, f"{g}/0.5 {g}/0.5 r/0.5 {g}/0.5 r/0.5 {g}/0.5 {g}/1", "strums")
    for i, chord in enumerate("CFGCCFGC"):  # bars 3-10: the off-beat "pah"
        c = chords[chord]
        s.seq(GUITAR, 8 + 4 * i, 84, f"r/0.5 {c}/0.5 r/0.5 {c}/0.5 r/0.5 {c}/0.5 r/0.5 {c}/0.5")
    for i, chord in enumerate("FCFG"):  # bars 11-14: eighth strums
        c = low[chord]
        s.seq(GUITAR, 40 + 4 * i, 80, f"{c}/1 {c}/0.5 {c}/0.5 r/0.5 {c}/0.5 {c}/0.5 {c}/0.5")
    s.seq(GUITAR, 56, 86, f"{g}/1 {g}/1 {g}/1 {g}/1")
    s.seq(GUITAR, 60, 90, "C3+G3+C4+E4+G4/3")
    s.write("song0.music")


# --- Song 1: a calm lullaby in F, a waltz at 96 beats a minute, 16 bars of 3 (30 s) -----------
def song1():
    s = Song("Song 1: a calm lullaby in F major, 3/4, 16 bars", 96, 2.0)
    s.channel("channel 1 program 83 volume 96 pan 72   # calliope lead")
    s.channel("channel 2 program 33 volume 112 pan 58  # acoustic bass")
    s.channel("channel 3 program 25 volume 100 pan 48  # nylon guitar")
    s.channel("channel 10 volume 80")
    s.part("drums: solo beats 24-30.5 (bars 9-10 and the shaker roll), flourish 28-30.5")
    s.part("synth: solo beats 30-36 (bars 11-12), flourish 42-45 (the rising run of bar 15)")
    s.part("bass: solo beats 30-36 (bars 11-12), flourish 39-42 (the walk of bar 14)")
    s.part("guitar: solo beats 0-6 (the intro), flourish 45-48 (the rolled last chord)")
    for bar in range(2, 16):
        b = bar * 3
        if bar == 9:
            s.seq(DRUMS, b, 50, f"{KICK}/1")
            s.seq(DRUMS, b + 1, 72, " ".join([f"{CABASA}/0.25"] * 4))
            s.seq(DRUMS, b + 2, 92, " ".join([f"{CABASA}/0.25"] * 4), "a shaker roll")
            s.seq(DRUMS, b + 3, 64, f"{TRIANGLE}/3")
            continue
        # soft sounds a little stronger than the kick, so the kick's peak does not hold them down
        s.seq(DRUMS, b, 48, f"{KICK}/3")
        s.seq(DRUMS, b + 1, 76, f"{STICK}/1 {STICK}/1")
        s.seq(DRUMS, b, 58, " ".join([f"{MARACAS}/0.5"] * 6))
    s.seq(DRUMS, 45, 54, f"{KICK}+{TRIANGLE}/3")

    melody = ["C5/2 A4/1", "C5/1 D5/1 C5/1", "D5/2 Bb4/1", "A4/3", "G4/1 A4/1 Bb4/1", "A4/2 F4/1",
              "G4/1 E4/1 C4/1", "F4/3", "A4/1 D5/1 F5/1", "F5/2 D5/1", "C5/1 A4/1 F4/1",
              "G4/1.5 A4/0.5 G4/1", "E4/0.5 G4/0.5 Bb4/0.5 C5/0.5 E5/0.5 G5/0.5", "F5/3"]
    for i, tokens in enumerate(melody):
        s.seq(SYNTH, 6 + 3 * i, 88, tokens)

    chords = "FCFFBFCFCFDBFCCF"  # B = B flat, D = D minor; bar 15 is C7
    bass = {"F": "F2/2 C3/1", "C": "C2/2 G2/1", "B": "Bb1/2 F2/1", "D": "D2/2 A2/1"}
    for bar, chord in enumerate(chords):
        tokens = bass[chord]
        if bar == 10:
            tokens = "D2/1 A2/1 D3/1"
        elif bar == 11:
            tokens = "Bb1/1 F2/1 Bb2/1"
        elif bar == 13:
            tokens = "C2/1 E2/1 G2/1"
        elif bar == 15:
            tokens = "F2/3"
        s.seq(BASS, 3 * bar, 96, tokens)

    arps = {"F": "F3 C4 F4 A4 C5 A4", "C": "C3 G3 C4 E4 G4 E4", "B": "Bb2 F3 Bb3 D4 F4 D4",
            "D": "D3 A3 D4 F4 A4 F4", "7": "C3 G3 Bb3 E4 G4 E4"}
    for bar, chord in enumerate(chords[:15]):
        if bar == 14:
            chord = "7"
        s.seq(GUITAR, 3 * bar, 80, " ".join(f"{k}/0.5" for k in arps[chord].split()))
    for i, k in enumerate("F3 A3 C4 F4 A4 C5 F5".split()):  # the last chord, rolled
        s.note(GUITAR, 45 + 0.25 * i, 3 - 0.25 * i, k, 84)
    s.write("song1.music")


# --- Song 2: a fast rock and roll in A, 172 beats a minute, two 12-bar rounds and a stop (35 s)
def song2():
    s = Song("Song 2: a fast rock and roll in A major, 4/4, two 12-bar blues rounds and an end",
             172, 1.5)
    s.channel("channel 1 program 82 volume 78 pan 76   # sawtooth lead")
    s.channel("channel 2 program 35 volume 112 pan 60  # picked bass")
    s.channel("channel 3 program 30 volume 72 pan 44   # overdriven guitar")
    s.channel("channel 10 volume 100")
    s.part("drums: solo beats 32-48.5 (bars 9-12 with the fill), flourish 44-48.5 (the fill)")
    s.part("synth: solo beats 48-64 (bars 13-16), flourish 88-92 (the run of bar 23)")
    s.part("bass: solo beats 0-16 (bars 1-4), flourish 44-48 (the run up of bar 12)")
    s.part("guitar: solo beats 32-48 (bars 9-12), flourish 92-96 (the lick of bar 24)")
    blues = "AAAADDAAEDAE" * 2
    for bar in range(24):
        b = bar * 4
        if bar in (11, 23):
            s.seq(DRUMS, b, 100, f"{KICK}/1 {SNARE}/1")
            s.seq(DRUMS, b, 66, f"{HAT}/0.5 {HAT}/0.5 {HAT}/0.5 {HAT}/0.5")
            s.seq(DRUMS, b + 2, 96, f"{SNARE}/0.5 {SNARE}/0.5 {TOM_HI}/0.5 {TOM_LO}/0.5", "fill")
            continue
        s.seq(DRUMS, b, 100, f"{KICK}/1 r/1 {KICK}/0.5 {KICK}/0.5 r/1")
        s.seq(DRUMS, b + 1, 96, f"{SNARE}/2 {SNARE}/1")
        s.seq(DRUMS, b, 64, " ".join([f"{HAT}/0.5"] * 8))
        if bar in (0, 12):
            s.seq(DRUMS, b, 96, f"{CRASH}/1")
    s.seq(DRUMS, 96, 110, f"{CRASH}+{KICK}/1 {SNARE}+{KICK}/1 {CRASH}+{KICK}/2", "the stop")

    riff = {"A": ("A2", "E3", "F#3", "G3"), "D": ("D3", "A3", "B3", "C4"),
            "E": ("E2", "B2", "C#3", "D3")}
    for bar, chord in enumerate(blues):
        if bar == 23:
            s.seq(GUITAR, 92, 96, "C#4+E4/0.5 C#4+E4/0.5 C#4+E4/0.5 C#4+E4/0.5 B3+D4/0.5 "
                  "A3+C#4/0.5 G3+B3/0.5 E3+B3/0.5", "the lick")
            continue
        r, five, six, seven = riff[chord]
        s.seq(GUITAR, 4 * bar, 88, f"{r}+{five}/0.5 {r}+{five}/0.5 {r}+{six}/0.5 {r}+{six}/0.5 "
              f"{r}+{seven}/0.5 {r}+{seven}/0.5 {r}+{six}/0.5 {r}+{six}/0.5")
    s.seq(GUITAR, 96, 100, "A2+E3+A3+C#4+E4/0.5 r/0.5 A2+E3+A3+C#4+E4/0.5 r/0.5 "
          "A2+E3+A3+C#4+E4/2")

    walk = {"A": ("A1 C#2 E2 F#2", "A2 F#2 E2 C#2"), "D": ("D2 F#2 A2 B2", "C3 B2 A2 F#2"),
            "E": ("E1 G#1 B1 C#2", "D2 C#2 B1 G#1")}
    for bar, chord in enumerate(blues):
        if bar == 11:
            s.seq(BASS, 44, 104, " ".join(f"{k}/0.5" for k in "E1 F#1 G#1 A1 B1 C#2 D2 E2".split()),
                  "run up")
            continue
        keys = walk[chord][bar % 2]
        s.seq(BASS, 4 * bar, 100, " ".join(f"{k}/1" for k in keys.split()))
    s.seq(BASS, 96, 104, "A1/0.5 r/0.5 A1/0.5 r/0.5 A1/2")

    melody = [
        "E5/1 E5/0.5 F#5/0.5 E5/1 C#5/1", "A4/1.5 C#5/0.5 E5/2", "E5/1 E5/0.5 F#5/0.5 E5/1 C#5/1",
        "A4/3 r/1", "F#5/1 F#5/0.5 A5/0.5 F#5/1 D5/1", "B4/1.5 D5/0.5 F#5/2",
        "E5/1 E5/0.5 F#5/0.5 E5/1 C#5/1", "A4/3 r/1", "B4/1 D5/1 E5/1 G#5/1",
        "A5/1 F#5/1 D5/1 B4/1", "C#5/0.5 E5/0.5 A5/1 E5/1 C#5/1", "B4/2 r/2",
        "A5/0.5 G5/0.5 E5/0.5 C#5/0.5 E5/0.5 G5/0.5 A5/1",
        "A5/0.5 G5/0.5 E5/0.5 C#5/0.5 E5/1 r/1",
        "C5/0.5 C#5/0.5 E5/0.5 C5/0.5 C#5/0.5 E5/0.5 A5/1", "A5/3 r/1",
        "D6/0.5 C6/0.5 A5/0.5 F#5/0.5 A5/0.5 C6/0.5 D6/1",
        "D6/0.5 C6/0.5 A5/0.5 F#5/0.5 A5/1 r/1",
        "A5/0.5 G5/0.5 E5/0.5 C#5/0.5 E5/0.5 G5/0.5 A5/1", "A5/3 r/1",
        "B5/0.5 G#5/0.5 E5/0.5 B4/0.5 E5/0.5 G#5/0.5 B5/1",
        "A5/0.5 F#5/0.5 D5/0.5 A4/0.5 D5/0.5 F#5/0.5 A5/1",
        "E5/0.5 A5/0.5 C#6/0.5 E6/0.5 C#6/0.5 A5/0.5 E5/1", "B5/2 r/2",
        "A5/0.5 r/0.5 A5/0.5 r/0.5 A5/2"]
    for bar, tokens in enumerate(melody):
        s.seq(SYNTH, 4 * bar, 92, tokens)
    s.write("song2.music")


if __name__ == "__main__":
    song0()
    song1()
    song2()
