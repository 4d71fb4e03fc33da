#!/usr/bin/env python3
r"""Loopback HTTP server for the network tests. Python 3 standard library only.

Command line:
  test_server.py [--lifetime SECONDS] [--port-file FILE] [--stop-on-stdin-eof]
                 [--root DIR] [--file URL_PATH=FILE]... [--quiet]

  --lifetime SECONDS   stop after this long whatever happens (default 600)
  --port-file FILE     also write the ready line to FILE (written whole, then renamed)
  --stop-on-stdin-eof  stop as soon as standard input reaches its end: the process
                       that started the server holds the other end, so the server
                       goes when it goes, even when it is killed
  --root DIR           serve the files under DIR for any path no route claims
  --file URL_PATH=FILE serve FILE at exactly URL_PATH (the query is ignored);
                       may be given more than once, and wins over --root
  --marketplace DIR    answer /search like the marketplace's item search, from
                       the result pages DIR/page-001.html and on that
                       gen_result_page.py writes: the page whose first item is
                       at offset s=(page - 1) * 44; a page not there is a 404.
                       Every "{server}" in a page becomes 127.0.0.1:PORT of the
                       listener that answers, so pages generated before the
                       port was known can point back here (--picture-base)
  --quiet              no line per request on standard error

Everything listens on 127.0.0.1 only, on ports the system picks:
  port          plain HTTP
  tls_port      the same routes over TLS, with the self-signed certificate in
                test_server_tls.pem beside this file (CN 127.0.0.1, and
                127.0.0.1 as both DNS name and IP address in subjectAltName:
                Wine's certificate check matches DNS names only; valid until
                2126). Made with:
                  openssl req -x509 -newkey rsa:2048 -nodes -days 36500 \
                    -subj "/CN=127.0.0.1/O=taoci test server" \
                    -addext "subjectAltName=DNS:127.0.0.1,IP:127.0.0.1" \
                    -addext "extendedKeyUsage=serverAuth" -keyout key.pem -out cert.pem
                  cat cert.pem key.pem > test_server_tls.pem
  refused_port  bound but never listening, so that a connection to it is refused,
                and no other program can take it while the server runs
When ready it prints one line of JSON on standard output and flushes it:
  {"port": P, "tls_port": T, "refused_port": R}
It also stops on SIGTERM and SIGINT.

Every answer is HTTP/1.0 with "Connection: close", and the connection is closed
after it. Each connection is recorded when it is accepted, and its request head
(request line and header lines, the raw bytes up to the blank line) when it
arrives. GET /__server/requests answers with the record, oldest first, each as
  "<connection> <tls 0|1> <note> <head length>\n" <head bytes> "\n"
where note is "request", "no-request" (the peer closed or sent no complete head)
or "tls-failed" (the TLS handshake did not complete). Requests for /__server/...
are not recorded.

Routes (query values are percent-decoded, "+" is not a blank; unknown keys are
ignored, so a test can add its own tag=... to tell its requests apart):
  /reply?status=S&body=B&type=T   answer status S (200) with body B (empty) and
                                  Content-Type T (text/html)
  /pattern?size=N&status=S        N bytes, byte i being i % 251 (zeros included),
                                  streamed, so N may be tens of MiB
  /redirect?to=URL&status=S       redirect (302) to URL, with a small HTML body
  /loop/a, /loop/b                redirect to each other forever; bodies "loop a",
                                  "loop b"
  /chain?left=N                   N redirects in a row, then "end of chain"
  /cookie/set?name=N&value=V      Set-Cookie: N=V; path=/   body "cookie set";
                                  with &to=URL, a 302 to URL that sets it
  /cookie/echo                    the request's Cookie header as the body
  /auth?user=U&password=P         401 with a Basic challenge unless the request
                                  carries those credentials; then 200 "welcome"
  /__server/requests              the record described above

Shape modifiers, accepted by /reply and /pattern:
  length=omit     no Content-Length; the end of the body is the close
  length=TEXT     Content-Length: TEXT, sent as given (e.g. larger than the body,
                  after which the server simply closes)
  drop=N          after N body bytes, and once the peer has acknowledged them,
                  reset the connection (RST) instead of closing it
  cache=1         headers that invite caching (max-age, Expires, Last-Modified)

Adding a route: write a function that takes a Request and returns a Response and
put it into ROUTES (exact path) or PREFIX_ROUTES (path prefix).
"""

import argparse
import base64
import email.utils
import fcntl
import http
import json
import mimetypes
import os
import signal
import socket
import socketserver
import ssl
import struct
import sys
import termios
import threading
import time
import urllib.parse

HEAD_LIMIT = 64 * 1024
SOCKET_TIMEOUT = 60
CERTIFICATE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "test_server_tls.pem")


class Request:
    def __init__(self, head, tls):
        self.head = head
        self.tls = tls
        lines = head.split(b"\r\n")
        parts = lines[0].split(b" ")
        self.method = parts[0].decode("latin-1") if parts else ""
        self.target = parts[1].decode("latin-1") if len(parts) > 1 else ""
        split = urllib.parse.urlsplit(self.target)
        self.path = split.path
        self.query = {}
        for pair in split.query.split("&"):
            if pair:
                key, _, value = pair.partition("=")
                self.query[urllib.parse.unquote(key)] = urllib.parse.unquote_to_bytes(value)
        self.headers = []
        for line in lines[1:]:
            name, colon, value = line.partition(b":")
            if colon:
                self.headers.append((name.decode("latin-1").strip().lower(),
                                     value.decode("latin-1").strip()))

    def header(self, name):
        for key, value in self.headers:
            if key == name.lower():
                return value
        return None

    def text(self, key, default=""):
        value = self.query.get(key)
        return default if value is None else value.decode("latin-1")

    def number(self, key, default):
        try:
            return int(self.text(key, str(default)))
        except ValueError:
            return default


class Response:
    """status, extra header lines and a body given as bytes or as a list of
    chunks with its total length (so that large bodies are never built whole)."""

    def __init__(self, status=200, body=b"", content_type="text/html", headers=None):
        self.status = status
        self.headers = list(headers or [])
        if content_type:
            self.headers.append(("Content-Type", content_type))
        self.chunks = [body] if isinstance(body, bytes) else body
        self.body_length = len(body) if isinstance(body, bytes) else None
        self.content_length = "auto"  # "auto", "omit" or the text to send
        self.drop_after = None


def shaped(response, request):
    """Applies the shape modifiers in the request's query to a response."""
    length = request.query.get("length")
    if length is not None:
        response.content_length = "omit" if length == b"omit" else length.decode("latin-1")
    if "drop" in request.query:
        response.drop_after = request.number("drop", 0)
    if request.text("cache") == "1":
        now = time.time()
        response.headers += [
            ("Cache-Control", "public, max-age=86400"),
            ("Expires", email.utils.formatdate(now + 86400, usegmt=True)),
            ("Last-Modified", email.utils.formatdate(now - 86400, usegmt=True)),
        ]
    return response


def pattern_chunks(size):
    # 261 rounds of 251 bytes: each chunk starts where the pattern starts again.
    block = bytes(range(251)) * 261
    while size > 0:
        chunk = block[:min(size, len(block))]
        size -= len(chunk)
        yield chunk


def route_reply(request):
    response = Response(request.number("status", 200), request.query.get("body", b""),
                        request.text("type", "text/html"))
    return shaped(response, request)


def route_pattern(request):
    size = max(0, request.number("size", 0))
    response = Response(request.number("status", 200), pattern_chunks(size),
                        "application/octet-stream")
    response.body_length = size
    return shaped(response, request)


def route_redirect(request):
    to = request.text("to", "/")
    return Response(request.number("status", 302),
                    b'<html><body><a href="%s">moved</a></body></html>' % to.encode("latin-1"),
                    headers=[("Location", to)])


def route_loop(request):
    here = request.path.rsplit("/", 1)[-1]
    other = "b" if here == "a" else "a"
    return Response(302, b"loop " + here.encode("latin-1"), "text/plain",
                    headers=[("Location", "/loop/" + other)])


def route_chain(request):
    left = request.number("left", 0)
    if left <= 0:
        return Response(200, b"end of chain", "text/plain")
    return Response(302, b"chain", "text/plain",
                    headers=[("Location", "/chain?left=%d" % (left - 1))])


def route_cookie_set(request):
    cookie = "%s=%s; path=/" % (request.text("name", "taoci"), request.text("value", "1"))
    headers = [("Set-Cookie", cookie)]
    if "to" in request.query:
        headers.append(("Location", request.text("to")))
        return Response(302, b"cookie set", "text/plain", headers=headers)
    return Response(200, b"cookie set", "text/plain", headers=headers)


def route_cookie_echo(request):
    return Response(200, (request.header("cookie") or "").encode("latin-1"), "text/plain")


def route_auth(request):
    wanted = "%s:%s" % (request.text("user"), request.text("password"))
    expected = "Basic " + base64.b64encode(wanted.encode("latin-1")).decode("ascii")
    if request.header("authorization") == expected:
        return Response(200, b"welcome", "text/plain")
    return Response(401, b"denied", "text/plain",
                    headers=[("WWW-Authenticate", 'Basic realm="taoci"')])


def route_search(request):
    folder = request.server_options.marketplace
    if not folder:
        return Response(404, b"<html><body>no marketplace</body></html>")
    offset = request.number("s", 0)
    page = offset // 44 + 1
    path = os.path.join(folder, "page-%03d.html" % page)
    if offset % 44 != 0 or page < 1 or not os.path.isfile(path):
        return Response(404, b"<html><body>no such page</body></html>")
    with open(path, "rb") as f:
        body = f.read()
    here = ("127.0.0.1:%d" % request.listener_port).encode("ascii")
    return Response(200, body.replace(b"{server}", here), "text/html; charset=gbk")


ROUTES = {
    "/search": route_search,
    "/reply": route_reply,
    "/pattern": route_pattern,
    "/redirect": route_redirect,
    "/loop/a": route_loop,
    "/loop/b": route_loop,
    "/chain": route_chain,
    "/cookie/set": route_cookie_set,
    "/cookie/echo": route_cookie_echo,
    "/auth": route_auth,
}
PREFIX_ROUTES = []  # (prefix, function), tried in order after ROUTES


class Record:
    """The connections and request heads seen so far, shared by all handlers."""

    def __init__(self):
        self.lock = threading.Lock()
        self.entries = []  # [connection, tls, note, head]
        self.next_connection = 1

    def open(self, tls):
        with self.lock:
            entry = [self.next_connection, tls, "no-request", b""]
            self.next_connection += 1
            self.entries.append(entry)
            return entry

    def set(self, entry, note, head=b""):
        with self.lock:
            entry[2] = note
            entry[3] = head

    def forget(self, entry):
        with self.lock:
            self.entries.remove(entry)

    def dump(self):
        with self.lock:
            out = []
            for connection, tls, note, head in self.entries:
                out.append(b"%d %d %s %d\n" % (connection, 1 if tls else 0, note.encode(),
                                              len(head)))
                out.append(head + b"\n")
            return b"".join(out)


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        server = self.server
        sock = self.request
        sock.settimeout(SOCKET_TIMEOUT)
        entry = server.record.open(server.tls)
        if server.tls:
            try:
                sock = server.tls_context.wrap_socket(sock, server_side=True)
            except (ssl.SSLError, OSError) as error:
                server.record.set(entry, "tls-failed")
                server.say("tls handshake failed: %s" % error)
                return
        head = read_head(sock)
        if head is None:
            return
        request = Request(head, server.tls)
        if request.path.startswith("/__server/"):
            server.record.forget(entry)
            self.send(sock, self.control(request), request)
            return
        server.record.set(entry, "request", head)
        server.say(head.split(b"\r\n", 1)[0].decode("latin-1"))
        self.send(sock, server.answer(request), request)

    def control(self, request):
        if request.path == "/__server/requests":
            return Response(200, self.server.record.dump(), "application/octet-stream")
        return Response(404, b"no such control", "text/plain")

    def send(self, sock, response, request):
        try:
            send_response(sock, response)
        except (OSError, ssl.SSLError):
            pass  # the peer went away first: a client that stops reading is allowed to


def read_head(sock):
    data = b""
    while b"\r\n\r\n" not in data:
        try:
            piece = sock.recv(4096)
        except (OSError, ssl.SSLError):
            return None
        if not piece or len(data) > HEAD_LIMIT:
            return None
        data += piece
    return data.split(b"\r\n\r\n", 1)[0] + b"\r\n\r\n"


def send_response(sock, response):
    try:
        reason = http.HTTPStatus(response.status).phrase
    except ValueError:
        reason = "Status"
    lines = ["HTTP/1.0 %d %s" % (response.status, reason), "Connection: close"]
    lines += ["%s: %s" % header for header in response.headers]
    if response.content_length == "auto":
        lines.append("Content-Length: %d" % response.body_length)
    elif response.content_length != "omit":
        lines.append("Content-Length: %s" % response.content_length)
    sock.sendall(("\r\n".join(lines) + "\r\n\r\n").encode("latin-1"))
    left = response.drop_after
    for chunk in response.chunks:
        if left is not None:
            chunk = chunk[:left]
            left -= len(chunk)
        if chunk:
            sock.sendall(chunk)
        if left == 0:
            reset(sock)
            return
    # No TLS close_notify: waiting for the peer's answer to it could hold the
    # connection open, and an HTTP/1.0 body ends with the close anyway.
    sock.shutdown(socket.SHUT_WR)


def reset(sock):
    """Closes with RST once the peer has acknowledged every byte sent, so that
    what it received is exactly what was sent."""
    raw = sock
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        unacknowledged = struct.unpack("i", fcntl.ioctl(raw.fileno(), termios.TIOCOUTQ,
                                                        b"\0\0\0\0"))[0]
        if unacknowledged == 0:
            break
        time.sleep(0.01)
    time.sleep(0.2)
    raw.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    raw.close()


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = False

    def __init__(self, record, options, tls_context=None):
        super().__init__(("127.0.0.1", 0), Handler)
        self.record = record
        self.options = options
        self.tls = tls_context is not None
        self.tls_context = tls_context

    def say(self, line):
        if not self.options.quiet:
            prefix = "tls " if self.tls else ""
            sys.stderr.write("test server: %s%s\n" % (prefix, line))
            sys.stderr.flush()

    def answer(self, request):
        if request.method != "GET":
            return Response(405, b"GET only", "text/plain")
        request.server_options = self.options
        request.listener_port = self.server_address[1]
        handler = ROUTES.get(request.path)
        if handler is None:
            for prefix, function in PREFIX_ROUTES:
                if request.path.startswith(prefix):
                    handler = function
                    break
        if handler is not None:
            return handler(request)
        return serve_file(request, self.options)


def serve_file(request, options):
    mapped = options.files.get(request.path)
    if mapped is None and options.root:
        root = os.path.realpath(options.root)
        candidate = os.path.realpath(os.path.join(root, urllib.parse.unquote(request.path)
                                                  .lstrip("/")))
        if candidate.startswith(root + os.sep) and os.path.isfile(candidate):
            mapped = candidate
    if mapped is None:
        return Response(404, b"<html><body>not found</body></html>")
    with open(mapped, "rb") as f:
        body = f.read()
    content_type = mimetypes.guess_type(mapped)[0] or "application/octet-stream"
    return Response(200, body, content_type)


def parse_options():
    parser = argparse.ArgumentParser(description="Loopback HTTP server for the network tests.")
    parser.add_argument("--lifetime", type=float, default=600)
    parser.add_argument("--port-file")
    parser.add_argument("--stop-on-stdin-eof", action="store_true")
    parser.add_argument("--root")
    parser.add_argument("--file", action="append", default=[])
    parser.add_argument("--marketplace")
    parser.add_argument("--quiet", action="store_true")
    options = parser.parse_args()
    options.files = {}
    for item in options.file:
        url_path, equals, path = item.partition("=")
        if not equals or not url_path.startswith("/"):
            parser.error("--file takes URL_PATH=FILE, URL_PATH starting with /")
        options.files[url_path] = path
    return options


def main():
    options = parse_options()
    stop = threading.Event()
    for signum in (signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, lambda *_: stop.set())

    record = Record()
    tls_context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls_context.load_cert_chain(CERTIFICATE)
    plain = Server(record, options)
    secure = Server(record, options, tls_context)
    refused = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    refused.bind(("127.0.0.1", 0))
    for server in (plain, secure):
        threading.Thread(target=server.serve_forever, daemon=True).start()

    ready = json.dumps({"port": plain.server_address[1], "tls_port": secure.server_address[1],
                        "refused_port": refused.getsockname()[1]})
    if options.port_file:
        with open(options.port_file + ".part", "w") as f:
            f.write(ready + "\n")
        os.replace(options.port_file + ".part", options.port_file)
    sys.stdout.write(ready + "\n")
    sys.stdout.flush()

    if options.stop_on_stdin_eof:
        def watch_stdin():
            while sys.stdin.buffer.read(4096):
                pass
            stop.set()
        threading.Thread(target=watch_stdin, daemon=True).start()

    stop.wait(options.lifetime)
    for server in (plain, secure):
        server.shutdown()
        server.server_close()
    refused.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
