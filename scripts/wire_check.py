#!/usr/bin/env python3
"""Checks one model's run of scripts/wire-check.sh: the simulator's byte log against the clicks,
the session logs saved after each session and the golden transcript of the model.

A session is everything on the wire from its Start click to the next Start (or the trip history
click). Its exchanges must be, byte for byte, the golden session's: the start's exchanges, then
whole ticks, each the golden tick; a session stopped during the start ends inside the start's
exchanges. The golden's first session (Start, then ticks) and its trip history read give the
reference; a tick begins with a display read followed by the frequency read.

Prints one line of figures and any fault found; exits 1 when a check fails.
"""
import argparse
import re
import statistics
import sys

BAUD = 4800
BYTE_SECONDS = 11 / BAUD


def read_wire_log(path):
    """Exchanges, cuts and line events from the simulator's --log, on the wall clock."""
    epoch = None
    events = []  # (time, kind, wire, role)
    began = None  # when the bytes of the exchange in progress began to arrive
    for line in open(path, encoding="utf-8"):
        stamp, tag, text = line[:12], line[13:16], line[17:].rstrip("\n")
        found = re.match(r"started at ([0-9.]+) s", text)
        if tag == "-- " and found:
            epoch = float(found.group(1))
        if epoch is None:
            continue
        at = epoch + float(stamp)
        if tag == "in " and began is None:
            began = at
        elif tag in ("ex ", "cut"):
            wire, _, role = text.partition(" | ")
            events.append({"at": at, "began": began if began is not None else at,
                           "kind": "exchange" if tag == "ex " else "cut", "wire": wire, "role": role})
            began = None
        elif tag == "-- " and text.startswith("host opened the line"):
            events.append({"at": at, "kind": "open"})
        elif tag == "-- " and text.startswith("host closed the line"):
            unread = int(re.search(r"(\d+) reply bytes unread", text).group(1))
            events.append({"at": at, "kind": "close", "unread": unread})
    if epoch is None:
        sys.exit(f"{path}: no start time; is the simulator too old to log exchanges?")
    return events


def reply_seconds(wire):
    """The wire time of the exchange's last reply, which goes out after its log line."""
    return len(wire.rpartition("<")[2].split()) * BYTE_SECONDS


def is_display(wire):
    return wire.startswith("> 01 0A ") or wire.startswith("> 01 24 ")


def golden_reference(path, frequency_reads):
    """The golden's start, tick and trip history read, as lists of exchanges."""
    golden = [line.rstrip("\n") for line in open(path, encoding="utf-8") if line.strip()]
    starts = [i for i in range(len(golden) - 1) if is_display(golden[i]) and golden[i + 1] in frequency_reads]
    if len(starts) < 2:
        sys.exit(f"{path}: no two ticks found to compare with")
    start, tick = golden[:starts[0]], golden[starts[0]:starts[1]]
    at = starts[0]
    while golden[at:at + len(tick)] == tick:
        at += len(tick)
    # The read begins where the first session's ticks end and runs to the next start.
    end = next((i for i in range(at + 1, len(golden)) if golden[i] == golden[0]), len(golden))
    return start, tick, golden[at:end]


def split_session(wires, start, tick):
    """(ticks, whole) for a session's exchanges against start + tick * n."""
    expected = start + tick * (1 + max(0, len(wires) - len(start)) // len(tick))
    if wires != expected[:len(wires)]:
        first = next(i for i, (a, b) in enumerate(zip(wires, expected)) if a != b)
        return None, f"exchange {first + 1} differs from the golden:\n      got  {wires[first]}\n" \
                     f"      want {expected[first]}"
    if len(wires) <= len(start):
        return 0, None
    ticks, rest = divmod(len(wires) - len(start), len(tick))
    if rest:
        return None, f"a tick cut after {rest} of its {len(tick)} exchanges"
    return ticks, None


def sample_lines(path):
    try:
        return sum(1 for line in open(path, encoding="utf-8") if line[:1].isdigit())
    except FileNotFoundError:
        return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--model", required=True)
    parser.add_argument("--golden", required=True)
    parser.add_argument("--wire", required=True, help="the simulator's --log")
    parser.add_argument("--clicks", required=True, help="lines 'what epoch-seconds'")
    parser.add_argument("--csv", nargs="*", default=[], help="the session log after each session")
    args = parser.parse_args()

    events = read_wire_log(args.wire)
    clicks = [(line.split()[0], float(line.split()[1])) for line in open(args.clicks, encoding="utf-8")]
    faults = []
    frequency_reads = {e["wire"] for e in events if e["kind"] == "exchange" and e["role"] == "output frequency"}
    start, tick, golden_read = golden_reference(args.golden, frequency_reads)

    def between(first, last):
        return [e for e in events if first <= e["at"] < last]

    starts = [t for what, t in clicks if what == "start"]
    stops = [t for what, t in clicks if what == "stop"]
    trips = next(t for what, t in clicks if what == "trips")
    options_ok = next(t for what, t in clicks if what == "options-ok")
    bounds = starts + [trips]
    session_ticks, stop_to_close, stop_in_tick, after_reply, tick_times = [], [], [], [], []
    for number, (first, last) in enumerate(zip(bounds, bounds[1:]), 1):
        span = between(first, last)
        faults += [f"session {number}: partial request {e['wire']} ({e['role']})" for e in span if e["kind"] == "cut"]
        faults += [f"session {number}: the line closed with {e['unread']} reply bytes unread"
                   for e in span if e["kind"] == "close" and e["unread"]]
        exchanges = [e for e in span if e["kind"] == "exchange"]
        ticks, problem = split_session([e["wire"] for e in exchanges], start, tick)
        if problem:
            faults.append(f"session {number}: {problem}")
            continue
        logged = sample_lines(args.csv[number - 1]) if number <= len(args.csv) else 0
        if logged != ticks:
            faults.append(f"session {number}: {ticks} ticks on the wire, {logged} lines in the session log")
        session_ticks.append(ticks)
        for at in range(len(start), len(exchanges), len(tick)):
            whole = exchanges[at:at + len(tick)]
            tick_times.append((whole[0]["began"], whole[-1]["at"] + reply_seconds(whole[-1]["wire"])))
        stop = stops[number - 1]
        closed = next((e["at"] for e in span if e["kind"] == "close" and e["at"] >= stop), None)
        if closed is None:
            faults.append(f"session {number}: the port was not closed after Stop Monitor")
            continue
        stop_to_close.append(closed - stop)
        # What the program adds once the wire is quiet: the stop seen, the job ended, the port closed.
        ended = [e["at"] + reply_seconds(e["wire"]) for e in exchanges if e["at"] < closed]
        after_reply.append(closed - max(ended + [stop]))
        if any(began <= stop < ended for began, ended in tick_times):
            stop_in_tick.append(closed - stop)

    read_events = [e for e in events if e["at"] >= trips]
    read = [e["wire"] for e in read_events if e["kind"] == "exchange"]
    faults += [f"trip history: partial request {e['wire']} ({e['role']})" for e in read_events if e["kind"] == "cut"]
    if read != golden_read:
        faults.append(f"trip history: {len(read)} exchanges, the golden read has {len(golden_read)}"
                      + ("" if read == golden_read[:len(read)] else " (and they differ)"))
    read_span = [e for e in read_events if e["kind"] == "exchange"]
    during_read = bool(read_span) and read_span[0]["began"] <= options_ok <= read_span[-1]["at"]
    if not during_read:
        faults.append("Options > OK was not pressed while the trip history was read; run again")

    wire_time = statistics.median(end - began for began, end in tick_times) if tick_times else 0
    figures = lambda values: (f"{statistics.median(values) * 1000:.0f}/{max(values) * 1000:.0f}"
                              if values else "-")
    # Columns as the header of scripts/wire-check.sh; the durations as median/max.
    print(f"{args.model:7} {len(session_ticks):>5}/{len(bounds) - 1:<3} {sum(session_ticks):>5} {wire_time * 1000:>7.0f}"
          f" {figures(stop_to_close):>11} {len(stop_in_tick):>7} {figures(stop_in_tick):>11}"
          f" {figures(after_reply):>11}"
          f" {len(read):>5}/{len(golden_read):<3} {'yes' if during_read else 'no':>5}")
    for fault in faults:
        print(f"  FAULT {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
