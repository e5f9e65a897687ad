#!/usr/bin/env python3
"""Builds in Release and measures the programs against their literal
yardsticks, printing one Markdown table per target.

usage: python3 bench/run.py [--quick]
--quick skips the slow yardstick runs of the dialogue and uses fewer repeats.
"""
import os
import platform
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "release")
WORD_LIST = "/usr/share/dict/american-english-insane"
QUICK = "--quick" in sys.argv
PANGRAM = "the quick brown fox jumps over the lazy dog"


def program(name):
    for sub in ("word_decoder", "letter_decoder", "word_codes", "bench"):
        path = os.path.join(BUILD, sub, name)
        if os.path.exists(path):
            return path
    raise SystemExit(f"not built: {name}")


def build():
    subprocess.run(["cmake", "--preset", "release"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "release", "-j", str(os.cpu_count())],
                   cwd=ROOT, check=True, stdout=subprocess.DEVNULL)


def ensure_packages():
    missing = [package for path, package in ((WORD_LIST, "wamerican-insane"), ("/usr/bin/time", "time"))
               if not os.path.exists(path)]
    if not missing:
        return
    print("installing " + " ".join(missing) + " ...", file=sys.stderr)
    subprocess.run(["apt-get", "update", "-qq"], check=True)
    subprocess.run(["apt-get", "install", "-y", "-qq"] + missing, check=True,
                   env={**os.environ, "DEBIAN_FRONTEND": "noninteractive"})


def run(command, cwd, stdin_path=os.devnull, stdout_path=os.devnull):
    """One run: (wall seconds, peak resident memory in MB). GNU time reports
    the memory, so that none of this script's own counts."""
    with tempfile.NamedTemporaryFile("r") as memory, open(stdin_path, "rb") as fin, \
            open(stdout_path, "wb") as fout:
        start = time.perf_counter()
        status = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", memory.name] + command,
                                cwd=cwd, stdin=fin, stdout=fout).returncode
        elapsed = time.perf_counter() - start
        peak_kb = int(memory.read().split()[-1])
    if status != 0:
        raise SystemExit(f"{command} failed with status {status}")
    return elapsed, peak_kb / 1024


def median_run(command, cwd, runs, **files):
    results = [run(command, cwd, **files) for _ in range(runs)]
    return statistics.median(r[0] for r in results), max(r[1] for r in results)


def workdir(base, name, files):
    path = os.path.join(base, name)
    os.makedirs(path, exist_ok=True)
    for file_name, content in files.items():
        with open(os.path.join(path, file_name), "w") as out:
            out.write(content)
    return path


def read(path):
    with open(path, "rb") as f:
        return f.read()


def same_output(dir_a, dir_b, names):
    return all(read(os.path.join(dir_a, n)) == read(os.path.join(dir_b, n)) for n in names)


def random_signal(length, seed):
    rng = random.Random(seed)
    return "".join(rng.choice(".-") for _ in range(length)) + "\n"


def codes_of(words_path, codes_path):
    with open(words_path, "rb") as fin, open(codes_path, "wb") as fout:
        subprocess.run([program("word_codes")], stdin=fin, stdout=fout, check=True)


def table(title, header, rows):
    print(f"\n### {title}\n")
    print("| " + " | ".join(header) + " |")
    print("|" + "|".join("---" for _ in header) + "|")
    for row in rows:
        print("| " + " | ".join(str(cell) for cell in row) + " |")


def letter_exhaustive(base):
    signal = random_signal(50, 7)
    ours = workdir(base, "l50-ours", {"signs.txt": signal})
    literal = workdir(base, "l50-literal", {"signs.txt": signal})
    ours_t, _ = median_run([program("letter_decoder")], ours, 7, stdout_path=os.path.join(ours, "console"))
    literal_t, _ = median_run([program("yardstick_letter_decoder")], literal, 1 if QUICK else 3,
                              stdout_path=os.path.join(literal, "console"))
    same = same_output(ours, literal, ["console", "decode_signs.txt"])
    table("1. letter_decoder vs exhaustive search, random 50-symbol signal (target: >= 1000x, same output)",
          ["exhaustive", "letter_decoder", "ratio", "identical output"],
          [[f"{literal_t:.2f} s", f"{ours_t * 1000:.2f} ms", f"{literal_t / ours_t:.0f}x", same]])


def letter_scaling(base):
    rows = []
    for length in (1000, 5000, 20000, 50000):
        d = workdir(base, f"l{length}", {"signs.txt": random_signal(length, length)})
        ours_t, peak = median_run([program("letter_decoder")], d, 5)
        result = os.path.join(d, "decode_signs.txt")
        size_mb = os.path.getsize(result) / 1e6
        cp_t, _ = median_run(["cp", result, os.path.join(d, "copy.txt")], d, 5)
        rows.append([f"{length:,}", f"{size_mb:.1f} MB", f"{ours_t * 1000:.1f} ms", f"{size_mb / ours_t:.0f} MB/s",
                     f"{cp_t * 1000:.1f} ms", f"{ours_t / cp_t:.2f}", f"{peak:.1f} MB"])
    table("2. letter_decoder output speed on random signals (target at 20,000 symbols: <= 3x cp of its result)",
          ["symbols", "result file", "letter_decoder", "output rate", "cp of result", "ratio to cp", "peak memory"],
          rows)


def pangram_signal():
    out = subprocess.run([program("word_codes")], input=PANGRAM.encode(), capture_output=True, check=True)
    return out.stdout.decode().replace("\n", "") + "\n"


def dictionary_dir(base, name, words_lines, signal):
    d = workdir(base, name, {"signs.txt": signal})
    with open(os.path.join(d, "wordsFiltered2.txt"), "w") as out:
        out.writelines(words_lines)
    codes_of(os.path.join(d, "wordsFiltered2.txt"), os.path.join(d, "wordsFiltered2_morse.txt"))
    return d


def word_dialogue(base, lines):
    answers = os.path.join(base, "answers.txt")
    with open(answers, "w") as out:
        out.write("y\n" * 30000)
    signal = pangram_signal()
    ours = dictionary_dir(base, "w-ours", lines, signal)
    literal = dictionary_dir(base, "w-literal", lines, signal)
    ours_t, _ = median_run([program("word_decoder")], ours, 5, stdin_path=answers,
                           stdout_path=os.path.join(ours, "console"))
    if QUICK:
        literal_t, same = float("nan"), "not run (--quick)"
    else:
        literal_t, _ = median_run([program("yardstick_word_decoder")], literal, 3, stdin_path=answers,
                                  stdout_path=os.path.join(literal, "console"))
        same = same_output(ours, literal, ["console", "possible.txt", "decode_signs.txt"])
    table(f"3. word_decoder, {len(lines):,} words, pangram, 30,000 answers y (target: >= 50x, same output)",
          ["linear-scan yardstick", "word_decoder", "ratio", "identical output"],
          [[f"{literal_t:.2f} s", f"{ours_t * 1000:.0f} ms", f"{literal_t / ours_t:.0f}x", same]])


def word_load(base, lines):
    ours = dictionary_dir(base, "load-ours", lines, "")
    literal = dictionary_dir(base, "load-literal", lines, "")
    ours_t, ours_peak = median_run([program("word_decoder")], ours, 9)
    literal_t, literal_peak = median_run([program("yardstick_word_decoder")], literal, 9)
    lists_mb = sum(os.path.getsize(os.path.join(ours, n)) for n in ("wordsFiltered2.txt", "wordsFiltered2_morse.txt")) / 2**20
    table(f"4. Loading {len(lines):,} words, empty signal (targets: >= 2x faster, peak <= 2x the lists)",
          ["", "formatted extraction", "word_decoder", "ratio"],
          [["time", f"{literal_t * 1000:.0f} ms", f"{ours_t * 1000:.0f} ms", f"{literal_t / ours_t:.1f}x"],
           ["peak memory", f"{literal_peak:.1f} MB", f"{ours_peak:.1f} MB",
            f"{ours_peak / lists_mb:.2f}x of the {lists_mb:.1f} MB lists"]])


def per_question(base, lines):
    """The fixed costs (loading, indexing) cancel out between a dialogue of
    10,000 and one of 30,000 answers; what is left is the questions'."""
    short = [w for w in lines if len(w.strip()) <= 3]
    rest = [w for w in lines if len(w.strip()) > 3]
    signal = pangram_signal()
    answer_files = {}
    for count in (10000, 30000):
        answer_files[count] = os.path.join(base, f"answers{count}.txt")
        with open(answer_files[count], "w") as out:
            out.write("y\n" * count)
    rows = []
    for size in (10000, 100000, len(lines)):
        sample = short + random.Random(size).sample(rest, size - len(short))
        d = dictionary_dir(base, f"q{size}", sample, signal)
        console = os.path.join(d, "console")
        timings, questions = {}, {}
        for count, answers in answer_files.items():
            timings[count], _ = median_run([program("word_decoder")], d, 7, stdin_path=answers,
                                           stdout_path=console)
            questions[count] = read(console).count(b'Is "')
        asked = questions[30000] - questions[10000]
        rows.append([f"{size:,}", f"{timings[10000] * 1000:.0f} ms", f"{timings[30000] * 1000:.0f} ms",
                     f"{(timings[30000] - timings[10000]) / asked * 1e6:.2f} us"])
    table(f"5. Cost per question by dictionary size (the {len(short):,} words of up to 3 letters plus a random "
          "sample; pangram; answers y)",
          ["words", "10,000 answers", "30,000 answers", "per question"], rows)


def main():
    build()
    ensure_packages()
    with open(WORD_LIST) as f:
        lines = f.readlines()
    cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), "?")
    print(f"Machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}")
    base = tempfile.mkdtemp(prefix="morse-bench-")
    try:
        letter_exhaustive(base)
        letter_scaling(base)
        word_dialogue(base, lines)
        word_load(base, lines)
        per_question(base, lines)
    finally:
        shutil.rmtree(base)


if __name__ == "__main__":
    main()
