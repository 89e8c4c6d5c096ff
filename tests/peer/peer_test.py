#!/usr/bin/env python3
"""peer_test.py FORTWRIGHT_CLI

Runs fortwright-cli's rcon, players and query against a real dedicated server nobody here wrote:
Debian's openarena-server (ioquake3). Server, relay and client share one network namespace holding
loopback alone, so no packet can leave the machine. The Quake 3 framing talks to the server
directly; the MOHAA framing goes through a relay that drops the fifth byte of each request and puts
the direction byte in front of each reply, as a MOHAA server does. Last, the server executes
Fortwright's configuration, to confirm what the pre-flight check predicts of it.
"""
import ctypes
import os
import re
import selectors
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

SERVER = "/usr/lib/ioquake3/ioq3ded"
BASE = "/usr/lib/openarena-server"
SKIP = 77
HOST = "127.0.0.1"
SERVER_PORT = 27960
RELAY_PORT = 12203
# The relay speaks to the server from its own address, so its requests fill a rate-limit bucket of
# their own (a burst of 10, then 1 a second per address).
RELAY_SOURCE = "127.0.0.2"
PASSWORD = "peer-secret"
BOTS = ("Sarge", "Grism", "Major")
OOB = b"\xff" * 4


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIP)


def enter_namespace():
    """Re-runs this script inside a new network namespace, or skips when none can be made."""
    if not os.access(SERVER, os.X_OK) or not os.path.isdir(f"{BASE}/baseoa"):
        skip(f"{SERVER} with its data in {BASE} is not installed (apt-get install openarena-server; .ci/run does)")
    for tool in ("unshare", "ip"):
        if not shutil.which(tool):
            skip(f"{tool} is not installed (util-linux, iproute2)")
    # -n needs root; -rn maps this user to root inside a user namespace where the kernel allows it.
    for unshare in (["unshare", "-n"], ["unshare", "-rn"]):
        if subprocess.run(unshare + ["true"], stderr=subprocess.DEVNULL).returncode == 0:
            os.environ["FORTWRIGHT_PEER_NAMESPACE"] = "1"
            os.execvp(unshare[0], unshare + [sys.executable, *sys.argv])
    skip("unshare cannot make a network namespace here (it needs root or unprivileged user namespaces)")


def loopback_only():
    subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    links = subprocess.run(["ip", "-o", "link"], capture_output=True, text=True, check=True).stdout
    names = [line.split(":")[1].strip() for line in links.splitlines()]
    if names != ["lo"]:
        sys.exit(f"FAIL: the namespace holds {names}, not loopback alone")


def die_with_parent():
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def start_server(work):
    log = open(f"{work}/server.log", "wb")
    unset_masters = [arg for n in range(1, 6) for arg in ("+set", f"sv_master{n}", "")]
    server = subprocess.Popen(
        [SERVER, "+set", "com_basegame", "baseoa", "+set", "fs_basepath", BASE,
         "+set", "fs_homepath", f"{work}/oa-home", "+set", "dedicated", "1", *unset_masters,
         "+set", "net_ip", HOST, "+set", "net_port", str(SERVER_PORT), "+set", "rconpassword", PASSWORD,
         "+set", "vm_game", "0", "+map", "oa_dm1"],
        stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT, cwd=work,
        env={"PATH": os.environ["PATH"], "HOME": work}, preexec_fn=die_with_parent)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        text = open(f"{work}/server.log", errors="replace").read()
        # The map is loaded (bots need its navigation file) once the engine reports AAS ready.
        if "AAS initialized." in text:
            return server
        if server.poll() is not None:
            break
        time.sleep(0.2)
    sys.exit("FAIL: the server did not load oa_dm1 within 60 s:\n" + open(f"{work}/server.log").read()[-3000:])


class Relay(threading.Thread):
    """Turns MOHAA-framed datagrams into Quake 3 ones and back, for one client at a time."""

    def __init__(self):
        super().__init__(daemon=True)
        self.front = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.front.bind((HOST, RELAY_PORT))
        self.back = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.back.bind((RELAY_SOURCE, 0))
        self.fifth_bytes = set()
        self.client = None

    def run(self):
        selector = selectors.DefaultSelector()
        selector.register(self.front, selectors.EVENT_READ)
        selector.register(self.back, selectors.EVENT_READ)
        while True:
            for key, _ in selector.select():
                data, sender = key.fileobj.recvfrom(65536)
                if key.fileobj is self.front:
                    self.client = sender
                    if len(data) > 4:
                        self.fifth_bytes.add(data[4])
                    self.back.sendto(data[:4] + data[5:], (HOST, SERVER_PORT))
                elif self.client and data.startswith(OOB):
                    self.front.sendto(OOB + b"\x01" + data[4:], self.client)


def cli_run(cli, work, args, password=""):
    home = f"{work}/home"
    env = {"PATH": os.environ["PATH"], "HOME": home, "XDG_CONFIG_HOME": f"{home}/.config",
           "XDG_DATA_HOME": f"{home}/.local/share", "FORTWRIGHT_SETTINGS": f"{work}/data/registry.json",
           "FORTWRIGHT_RCON_PASSWORD": password, "LANG": "C.UTF-8"}
    env.update({k: v for k, v in os.environ.items() if k.startswith(("ASAN_", "UBSAN_", "LSAN_"))})
    command = [cli, "--data-dir", f"{work}/data", *args]
    return subprocess.run(command, capture_output=True, text=True, errors="replace", env=env, timeout=30)


def run_cli(cli, work, args, framing, password=PASSWORD):
    port = RELAY_PORT if framing == "mohaa" else SERVER_PORT
    started = time.monotonic()
    result = cli_run(cli, work, [*args, "--host", HOST, "--port", str(port), "--framing", framing], password)
    return result, time.monotonic() - started


def check_predictions_hold(cli, work):
    """What the pre-flight check predicts for three settings, against what the server does with
    Fortwright's configuration and a message line. Returns the problems found."""
    game = f"{work}/game"
    subprocess.run([os.path.join(os.path.dirname(cli), "fortwright-demo-game"), game],
                   check=True, capture_output=True)
    line = "Visit http://example.org // tonight"
    settings = [("0", 'be "nice; echo FW_QUOTE_RAN'), ("1", "fw"), ("13", PASSWORD)]
    settings += [(index, "x" * 95) for index in ("2", "3", "4", "6", "7", "8", "9", "10", "11")]
    for index, value in settings:
        cli_run(cli, work, ["--game-dir", game, "profile", "set", "txtAdministration", index, value])
    cli_run(cli, work, ["message", "set", line])
    found = cli_run(cli, work, ["--game-dir", game, "check"]).stdout
    print(shown(found))
    predicted = re.search(r'run the rest of the line as commands: "echo (\w+)"', found)
    players_see = re.search(r"players will see: (.*?)\t", found)
    problems = []
    if not predicted or "Info string length exceeded" not in found or not players_see:
        return ["the check did not predict the quote's command, the info overflow and the say cut"]
    os.makedirs(f"{work}/oa-home/baseoa", exist_ok=True)
    written = cli_run(cli, work, ["--game-dir", game, "config", "--force", "--out", f"{work}/oa-home/baseoa/fw.cfg"])
    if written.returncode != 0:
        return [f"config failed: {written.stderr}"]
    log_before = len(open(f"{work}/server.log", errors="replace").read())
    run_cli(cli, work, ["rcon", "exec", "fw.cfg"], "quake3")
    time.sleep(1)  # exec queues the file's lines for the server's next frames
    log = open(f"{work}/server.log", errors="replace").read()[log_before:]
    if not re.search(rf"^{predicted.group(1)}\s*$", log, re.M):
        problems.append(f"the server did not run the predicted echo {predicted.group(1)}:\n{shown(log)}")
    if "Info string length exceeded" not in log:
        problems.append("the server did not report the info string overflow")
    # echo prints its arguments as the server's tokenizer leaves them, which say shares.
    echoed, _ = run_cli(cli, work, ["rcon", "echo " + line], "quake3")
    if echoed.stdout.strip() != players_see.group(1):
        problems.append(f"the server made {echoed.stdout.strip()!r} of the line, not {players_see.group(1)!r}")
    return problems


def lines_of(text):
    return [line for line in text.splitlines() if line.strip()]


# Each check takes (exit status, stdout, stderr) and returns what is wrong, or None.
def succeeds_with(*needles):
    def check(code, out, err):
        missing = [n for n in needles if n not in out]
        return f"exit {code}, missing {missing}" if code != 0 or missing else None
    return check


def player_table(code, out, err):
    rows = [line.split("\t") for line in lines_of(out)]
    if code != 0 or len(rows) < 2 or len(rows[0]) < 2:
        return f"exit {code}, no TAB-separated table with a header row"
    names = {field.strip() for row in rows[1:] for field in row}
    absent = [bot for bot in BOTS if bot not in names]
    if absent or any(len(row) != len(rows[0]) for row in rows):
        return f"bots {absent} not named in a column, or rows of unequal width"
    return None


def variables_then_players(code, out, err):
    if code != 0 or "oa_dm1" not in out or "sv_hostname" not in out:
        return f"exit {code}, or mapname/sv_hostname missing"
    first_bot = min((out.find(bot) for bot in BOTS if bot in out), default=-1)
    if any(bot not in out for bot in BOTS) or first_bot < out.find("sv_hostname"):
        return "the bots are missing or come before the variables"
    return None


def refused_password(code, out, err):
    if code != 1 or "refused the rcon password" not in err or out:
        return f"exit {code}, or no message saying the password was refused on stderr alone"
    return None


def whole_cvar_list(code, out, err):
    # ioquake3 cuts its output into datagrams of about 1 kB; the closing count must match the lines.
    total = re.search(r"^(\d+) total cvars$", out, re.M)
    listed = len(re.findall(r'^.{8,10}\S+ ".*"$', out, re.M))
    if code != 0 or not total or int(total.group(1)) != listed or listed < 200:
        return f"exit {code}, {listed} cvar lines against {total.group(0) if total else 'no total line'}"
    return None


CASES = [
    # (what, framing, arguments, password, check)
    ("a bot joins over rcon", "quake3", ["rcon", "addbot", BOTS[0]], PASSWORD, succeeds_with(BOTS[0].lower())),
    ("a bot joins over rcon", "quake3", ["rcon", "addbot", BOTS[1]], PASSWORD, succeeds_with(BOTS[1].lower())),
    ("a bot joins through the relay", "mohaa", ["rcon", "addbot", BOTS[2]], PASSWORD, succeeds_with(BOTS[2].lower())),
    ("rcon status names the map", "quake3", ["rcon", "status"], PASSWORD, succeeds_with("map: oa_dm1", *BOTS)),
    ("players lists the bots", "quake3", ["players"], PASSWORD, player_table),
    ("query prints variables, then players", "quake3", ["query"], PASSWORD, variables_then_players),
    ("a refused password", "quake3", ["rcon", "status"], "not-" + PASSWORD, refused_password),
    ("a long reply arrives whole", "quake3", ["rcon", "cvarlist"], PASSWORD, whole_cvar_list),
    ("rcon status through the relay", "mohaa", ["rcon", "status"], PASSWORD, succeeds_with("map: oa_dm1", *BOTS)),
    ("players through the relay", "mohaa", ["players"], PASSWORD, player_table),
    ("query through the relay", "mohaa", ["query"], PASSWORD, variables_then_players),
    ("a long reply through the relay", "mohaa", ["rcon", "cvarlist"], PASSWORD, whole_cvar_list),
]


def shown(text, keep=12):
    rows = text.rstrip("\n").splitlines()
    if len(rows) > keep:
        rows = rows[: keep - 2] + [f"... ({len(rows) - keep + 1} lines left out)", rows[-1]]
    return "".join(f"    {row}\n" for row in rows)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if os.environ.get("FORTWRIGHT_PEER_NAMESPACE") != "1":
        enter_namespace()
    cli = os.path.abspath(sys.argv[1])
    loopback_only()
    work = tempfile.mkdtemp(prefix="fortwright-peer-")
    os.mkdir(f"{work}/data")
    server = None
    try:
        began = time.monotonic()
        server = start_server(work)
        print(f"server ready in {time.monotonic() - began:.1f} s")
        relay = Relay()
        relay.start()
        failures = 0
        for number, (what, framing, args, password, check) in enumerate(CASES):
            if number == 3:
                time.sleep(1)  # the bots enter the game on the server's next frames
            result, seconds = run_cli(cli, work, args, framing, password)
            problem = check(result.returncode, result.stdout, result.stderr)
            if "\x01" in result.stdout or result.stdout.startswith(("print", "statusResponse")):
                problem = "the reply's framing shows in the output"
            failures += problem is not None
            print(f"{'ok  ' if problem is None else 'FAIL'} {what} ({framing}, {seconds:.2f} s)")
            print(f"  $ fortwright-cli {' '.join(args)} --framing {framing}  -> exit {result.returncode}")
            print(shown(result.stdout) + (shown(result.stderr) if result.stderr else ""), end="")
            if problem:
                print(f"  problem: {problem}")
        problems = check_predictions_hold(cli, work)
        failures += bool(problems)
        print(f"{'FAIL' if problems else 'ok  '} the check's quote, info-size and say-cut predictions hold")
        for problem in problems:
            print(f"  problem: {problem}")
        if relay.fifth_bytes - {2}:
            failures += 1
            print(f"FAIL the MOHAA framing's fifth byte was {sorted(relay.fifth_bytes)}, not 0x02")
        print(f"{failures} failures in {len(CASES) + 1} cases in {time.monotonic() - began:.1f} s")
        return 1 if failures else 0
    finally:
        if server:
            server.terminate()
            server.wait(timeout=10)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
