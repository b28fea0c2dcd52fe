#!/usr/bin/env python3
"""A print server that misbehaves, for the printing tests, on 127.0.0.1.

  fake_print_server.py silent PORT_FILE LOG_FILE
      takes every connection and never answers.
  fake_print_server.py vanish PORT_FILE LOG_FILE
      answers IPP requests as a server with one idle printer "fake" would,
      takes a job, reads the whole document sent for it and then drops the
      connection without answering, as a server that stopped would.

The port chosen is written to PORT_FILE once the server listens; each
connection (silent) or each IPP operation (vanish) is a line of LOG_FILE.
"""
import socket
import struct
import sys
import threading

mode, port_file, log_file = sys.argv[1:4]
log_lock = threading.Lock()


def log(line):
    with log_lock, open(log_file, "a") as f:
        f.write(line + "\n")


def attr(tag, name, value):
    if isinstance(value, int) and tag in (0x21, 0x23):
        data = struct.pack(">i", value)
    elif isinstance(value, bool) or tag == 0x22:
        data = bytes([1 if value else 0])
    else:
        data = value.encode()
    return bytes([tag]) + struct.pack(">H", len(name)) + name.encode() + struct.pack(">H", len(data)) + data


def ipp_response(request_id, port, operation):
    body = struct.pack(">BBHI", 2, 0, 0, request_id)
    body += b"\x01" + attr(0x47, "attributes-charset", "utf-8") + attr(0x48, "attributes-natural-language", "en")
    if operation in (0x0002, 0x0005):  # Print-Job, Create-Job
        body += b"\x02" + attr(0x21, "job-id", 7) + attr(0x45, "job-uri", f"ipp://127.0.0.1:{port}/jobs/7")
        body += attr(0x23, "job-state", 3)
    elif operation != 0x0008:  # everything but Cancel-Job: the printer
        body += b"\x04" + attr(0x42, "printer-name", "fake")
        body += attr(0x45, "printer-uri-supported", f"ipp://127.0.0.1:{port}/printers/fake")
        body += attr(0x23, "printer-state", 3) + attr(0x44, "printer-state-reasons", "none")
        body += attr(0x22, "printer-is-accepting-jobs", True) + attr(0x23, "printer-type", 0x1006)
    return body + b"\x03"


def read_until(conn, buf, marker):
    while marker not in buf:
        chunk = conn.recv(65536)
        if not chunk:
            return None, buf
        buf += chunk
    at = buf.index(marker) + len(marker)
    return buf[:at], buf[at:]


def read_body(conn, headers, buf):
    lower = headers.lower()
    if b"transfer-encoding: chunked" in lower:
        body = b""
        while True:
            line, buf = read_until(conn, buf, b"\r\n")
            if line is None:
                return None, buf
            size = int(line.strip().split(b";")[0] or b"0", 16)
            while len(buf) < size + 2:
                chunk = conn.recv(65536)
                if not chunk:
                    return None, buf
                buf += chunk
            body, buf = body + buf[:size], buf[size + 2:]
            if size == 0:
                return body, buf
    length = 0
    for line in headers.split(b"\r\n"):
        if line.lower().startswith(b"content-length:"):
            length = int(line.split(b":", 1)[1])
    while len(buf) < length:
        chunk = conn.recv(65536)
        if not chunk:
            return None, buf
        buf += chunk
    return buf[:length], buf[length:]


def serve_ipp(conn, port):
    buf = b""
    with conn:
        while True:
            headers, buf = read_until(conn, buf, b"\r\n\r\n")
            if headers is None:
                return
            if not headers.startswith(b"POST"):
                conn.sendall(b"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n")
                continue
            if b"expect: 100-continue" in headers.lower():
                conn.sendall(b"HTTP/1.1 100 Continue\r\n\r\n")
            body, buf = read_body(conn, headers, buf)
            if body is None or len(body) < 8:
                return
            _, _, operation, request_id = struct.unpack(">BBHI", body[:8])
            log(f"operation 0x{operation:04x}")
            if operation == 0x0006:  # Send-Document: the data arrived, the answer never comes
                conn.shutdown(socket.SHUT_RDWR)
                return
            reply = ipp_response(request_id, port, operation)
            conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: "
                         + str(len(reply)).encode() + b"\r\n\r\n" + reply)


def main():
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(16)
    port = server.getsockname()[1]
    open(log_file, "a").close()
    with open(port_file + ".new", "w") as f:
        f.write(str(port))
    import os
    os.rename(port_file + ".new", port_file)
    held = []
    while True:
        conn, _ = server.accept()
        if mode == "silent":
            log("connection")
            held.append(conn)  # kept open, never answered
        else:
            threading.Thread(target=serve_ipp, args=(conn, port), daemon=True).start()


main()
