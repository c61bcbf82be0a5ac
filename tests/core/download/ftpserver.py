#!/usr/bin/python3
"""A small FTP server for the download tests, on 127.0.0.1 with a free port.

Prints "PORT <n>" on stdout once it listens and ends when its stdin closes, so a test that
dies never leaves it running. Modes:
  normal    anonymous read-only access to --root
  halfway   RETR sends only the first half of a file, then closes the data connection
  zerosize  listings report every file with size 0
  silent    accepts connections and never says anything
  slow      RETR sends 1 KB every 10 ms, so a transfer can be interrupted half-way
With --tls PEM (key and certificate in one file) the server also offers explicit TLS
("AUTH TLS"); with --log FILE it appends every command it receives to FILE, one a line
(a PASS without its argument).
"""
import argparse
import logging
import os
import socket
import sys
import threading
import time


def exit_when_stdin_closes():
    def watch():
        while sys.stdin.buffer.read(1):
            pass
        os._exit(0)
    threading.Thread(target=watch, daemon=True).start()


def announce(port):
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()


def run_silent():
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    announce(listener.getsockname()[1])
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)  # kept open and never written to


class HalfFile:
    """A file that ends after half of its bytes."""

    def __init__(self, f):
        self._f = f
        self._left = os.fstat(f.fileno()).st_size // 2
        self.name = f.name
        self.closed = False

    def read(self, n=-1):
        if self._left <= 0:
            return b""
        n = self._left if n is None or n < 0 else min(n, self._left)
        data = self._f.read(n)
        self._left -= len(data)
        return data

    def seek(self, *args):
        return self._f.seek(*args)

    def close(self):
        self.closed = True
        self._f.close()


class SlowFile(HalfFile):
    """A whole file, read 1 KB at a time with a pause before each piece."""

    def __init__(self, f):
        super().__init__(f)
        self._left = os.fstat(f.fileno()).st_size

    def read(self, n=-1):
        time.sleep(0.01)
        return super().read(1024)


def run_ftp(root, mode, tls, log):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.filesystems import AbstractedFS
    from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
    from pyftpdlib.servers import FTPServer

    class Filesystem(AbstractedFS):
        def open(self, filename, mode_):
            f = super().open(filename, mode_)
            if "r" in mode_ and mode in ("halfway", "slow"):
                return HalfFile(f) if mode == "halfway" else SlowFile(f)
            return f

        def lstat(self, path):
            st = super().lstat(path)
            if mode != "zerosize":
                return st
            values = list(st[:10])
            values[6] = 0
            return os.stat_result(values)

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(root)
    class SecureDataChannel(TLS_DTPHandler):
        # libcurl starts the data connection's handshake before it sends RETR or LIST; the
        # stock channel takes that early data for a disconnect.
        def readable(self):
            return True if self._ssl_accepting else super().readable()

    class Handler(TLS_FTPHandler if tls else FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            if log:
                with open(log, "a") as f:
                    f.write(("PASS" if cmd.upper() == "PASS" else line) + "\n")
            return super().pre_process_command(line, cmd, arg)

    handler = Handler
    if tls:
        handler.certfile = tls
        handler.dtp_handler = SecureDataChannel
    handler.authorizer = authorizer
    handler.abstracted_fs = Filesystem
    handler.use_sendfile = False
    handler.banner = "Cartovex test server ready."
    server = FTPServer(("127.0.0.1", 0), handler)
    announce(server.socket.getsockname()[1])
    # A short poll time-out: a passive data socket opened during a poll is only watched from
    # the next poll on, which would otherwise delay every passive transfer by a second.
    server.serve_forever(timeout=0.02, handle_exit=False)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=".")
    parser.add_argument("--mode", default="normal",
                        choices=["normal", "halfway", "zerosize", "silent", "slow"])
    parser.add_argument("--tls", default="")
    parser.add_argument("--log", default="")
    args = parser.parse_args()
    exit_when_stdin_closes()
    if args.mode == "silent":
        run_silent()
    else:
        run_ftp(args.root, args.mode, args.tls, args.log)


if __name__ == "__main__":
    main()
