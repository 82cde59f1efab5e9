#!/usr/bin/env python3
"""Serves downloads on 127.0.0.1 for the tests and the benchmarks.

Prints its port on the first line, then serves until its standard input closes (its parent
went away) or nobody asked anything for two minutes. Every answer is built from the query:

  size=N   the body: N bytes, byte i being i % 251
  file=P   the body: the file P (sent with sendfile), instead of size
  name=T   Content-Disposition: attachment; filename="T" (T as given, "../" and all)
  cut=K    the answer ends after K bytes, the connection closed although Content-Length
           promised more; once "whole" arrives on standard input, answers are whole again
  stall=K  after K bytes the answer waits until the client goes away
  rate=B   at most B bytes a second
  html=T   an HTML page with body T instead of a download
  ranges=1 "Range: bytes=S-" asks for the body from byte S (cut and stall still count from
           byte 0); each answer's first byte is printed on standard output as "from S"
"""
import os
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

IDLE_SECONDS = 120
last_request = time.monotonic()
cutting = True


def pattern(start, length):
    block = bytes(i % 251 for i in range(251)) * 1100
    out = bytearray()
    offset = start % 251
    while len(out) < length:
        out += block[offset:offset + min(len(block) - offset, length - len(out))]
        offset = 0
    return bytes(out)


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        global last_request
        last_request = time.monotonic()
        query = urllib.parse.parse_qs(urllib.parse.urlsplit(self.path).query)
        arg = lambda key: query.get(key, [None])[0]
        if arg("html") is not None:
            body = ("<!doctype html><html><head><title>page</title></head><body>%s</body></html>"
                    % arg("html")).encode()
            self.send_response(200)
            self.send_header("Content-Type", "text/html; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(body)
            return
        path = arg("file")
        size = os.path.getsize(path) if path else int(arg("size") or 0)
        cut = int(arg("cut")) if arg("cut") and cutting else None
        stall = int(arg("stall")) if arg("stall") else None
        rate = int(arg("rate")) if arg("rate") else None
        ranges = arg("ranges") == "1"
        asked = self.headers.get("Range", "") if ranges else ""
        start = int(asked[6:-1]) if asked.startswith("bytes=") and asked.endswith("-") else 0
        self.send_response(206 if start else 200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(size - start))
        if ranges:
            print("from %d" % start, flush=True)
            self.send_header("Accept-Ranges", "bytes")
            self.send_header("ETag", '"%d"' % size)
        if start:
            self.send_header("Content-Range", "bytes %d-%d/%d" % (start, size - 1, size))
        self.send_header("Cache-Control", "no-store")
        self.send_header("Connection", "close")
        if arg("name") is not None:
            name = arg("name").replace("\\", "\\\\").replace('"', '\\"')
            self.send_header("Content-Disposition",
                             'attachment; filename="%s"' % name.encode().decode("latin-1"))
        self.end_headers()
        limit = min(x for x in (size, cut, stall) if x is not None)
        try:
            if path:
                with open(path, "rb") as f:
                    self.connection.sendfile(f, start, max(0, limit - start))
            else:
                sent = start
                step = min(1 << 18, rate // 10) if rate else 1 << 18
                while sent < limit:
                    chunk = pattern(sent, min(step, limit - sent))
                    self.wfile.write(chunk)
                    sent += len(chunk)
                    if rate:
                        time.sleep(len(chunk) / rate)
            self.wfile.flush()
            if stall is not None and limit == stall:
                self.connection.settimeout(60)
                while self.connection.recv(4096):
                    pass
        except OSError:
            pass
        self.close_connection = True


def watch_stdin():
    global cutting
    for line in sys.stdin:
        if line.strip() == "whole":
            cutting = False
    os._exit(0)


def watch_idle():
    while time.monotonic() - last_request < IDLE_SECONDS:
        time.sleep(1)
    os._exit(0)


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Thread(target=watch_stdin, daemon=True).start()
    threading.Thread(target=watch_idle, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
