#!/usr/bin/env python3
"""Runs one test program with its own loopback test server.

Command line:
  with_test_server.py [SERVER OPTION]... -- COMMAND [ARGUMENT]...

Starts tools/test_server.py with the given options (see the top of that file)
and --stop-on-stdin-eof, waits for its ready line, and runs COMMAND with
  TAOCI_TEST_SERVER_PORT          the plain HTTP port
  TAOCI_TEST_SERVER_TLS_PORT      the TLS port (self-signed certificate)
  TAOCI_TEST_SERVER_REFUSED_PORT  a 127.0.0.1 port on which nothing listens
in its environment (Wine hands the environment on to the Windows program). It
then stops the server and exits with COMMAND's exit status. Every run has its
own server on its own ports, so tests may run in parallel. Should this wrapper
be killed, the server sees its standard input end and stops as well; its
--lifetime bounds it in any case.
"""

import json
import os
import selectors
import signal
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
READY_TIMEOUT = 30


def main(argv):
    if "--" not in argv:
        sys.stderr.write("usage: with_test_server.py [SERVER OPTION]... -- COMMAND...\n")
        return 2
    split = argv.index("--")
    server_options, command = argv[:split], argv[split + 1:]
    if not command:
        sys.stderr.write("with_test_server.py: no command given\n")
        return 2

    server = subprocess.Popen(
        [sys.executable, os.path.join(HERE, "test_server.py"), "--stop-on-stdin-eof"]
        + server_options,
        stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    try:
        ready = read_ready_line(server)
        if ready is None:
            sys.stderr.write("with_test_server.py: the test server did not start\n")
            return 1
        environment = dict(os.environ)
        environment["TAOCI_TEST_SERVER_PORT"] = str(ready["port"])
        environment["TAOCI_TEST_SERVER_TLS_PORT"] = str(ready["tls_port"])
        environment["TAOCI_TEST_SERVER_REFUSED_PORT"] = str(ready["refused_port"])
        program = subprocess.Popen(command, env=environment)

        def stop_program(signum, _frame):
            program.terminate()
            signal.signal(signum, signal.SIG_DFL)

        for signum in (signal.SIGTERM, signal.SIGINT):
            signal.signal(signum, stop_program)
        return program.wait()
    finally:
        stop_server(server)


def read_ready_line(server):
    # select() on the pipe rather than a bare readline, so that a server that
    # never gets ready cannot hold the test beyond the limit.
    selector = selectors.DefaultSelector()
    selector.register(server.stdout, selectors.EVENT_READ)
    if not selector.select(READY_TIMEOUT):
        return None
    line = server.stdout.readline()
    try:
        return json.loads(line)
    except ValueError:
        return None


def stop_server(server):
    try:
        server.stdin.close()
    except OSError:
        pass
    try:
        server.wait(timeout=10)
    except subprocess.TimeoutExpired:
        server.kill()
        server.wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
