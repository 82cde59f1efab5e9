#!/ usr / bin / env python3
"""A page server for tests, on 127.0.0.1 and a free port.

usage: pageserver.py [--https] [--user NAME --password WORD]

Prints its port on the first line of stdout, then serves until stdin closes (the test ended
or died) or after two minutes without a request. Every path answers a small page titled by
the path. With --https it speaks HTTPS, with a self-signed certificate for 127.0.0.1 that
openssl makes for this run. With --user, paths under /private ask for basic authentication
(realm "Test Realm") and answer 401 with a page titled "Unauthorized" until given the user
and password.
"""
import argparse
import base64
import http.server
import os
import ssl
import subprocess
import sys
import tempfile
import threading

IDLE_SECONDS = 120


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--https", action="store_true")
    parser.add_argument("--user")
    parser.add_argument("--password", default="")
    args = parser.parse_args()
    expected = None
    if args.user is not None:
        expected = "Basic " + base64.b64encode(
            f"{args.user}:{args.password}".encode()).decode()

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            idle.cancel_and_restart()
            title = self.path.split("?")[0].strip("/") or "root"
            status = 200
            headers = {}
            if expected and self.path.startswith("/private") and \
                    self.headers.get("Authorization") != expected:
                status, title = 401, "Unauthorized"
                headers["WWW-Authenticate"] = 'Basic realm="Test Realm"'
            body = (f"<!doctype html><html><head><title>{title}</title></head>"
                    f"<body><h1>{title}</h1></body></html>").encode()
            self.send_response(status)
            for name, value in headers.items():
                self.send_header(name, value)
            self.send_header("Content-Type", "text/html; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *_):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    if args.https:
        with tempfile.TemporaryDirectory() as folder:
            cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
            subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
                            "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1",
                            "-addext", "subjectAltName=IP:127.0.0.1"],
                           check=True, capture_output=True)
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            context.load_cert_chain(cert, key)
        server.socket = context.wrap_socket(server.socket, server_side=True)

    class Idle:
        def __init__(self):
            self.timer = None
            self.cancel_and_restart()

        def cancel_and_restart(self):
            if self.timer:
                self.timer.cancel()
            self.timer = threading.Timer(IDLE_SECONDS, server.shutdown)
            self.timer.daemon = True
            self.timer.start()

    idle = Idle()
    threading.Thread(target=lambda: (sys.stdin.read(), server.shutdown()), daemon=True).start()
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
