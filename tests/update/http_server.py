#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

"""A local HTTP server for the download tests: files from a folder, plus /slow/<path> (answers
after DELAY seconds) and /redirect/<path> (302 to /<path>). Prints its port, then serves until
terminated."""
import functools
import http.server
import sys
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    delay = 1.5

    def do_GET(self):
        if self.path.startswith("/slow/"):
            time.sleep(self.delay)
            self.path = self.path[len("/slow"):]
        elif self.path.startswith("/redirect/"):
            self.send_response(302)
            self.send_header("Location", self.path[len("/redirect"):])
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        super().do_GET()

    def log_message(self, *args):
        pass


def main():
    root = sys.argv[1]
    Handler.delay = float(sys.argv[2]) if len(sys.argv) > 2 else 1.5
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=root))
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
