#!/bin/sh
# make-scan-registry.sh [EXTENSIONS [CLASSES [OBJECTS [USER]]]] > fixture.reg
#
# Writes the large fixture registry of the scan benchmark as a REGEDIT4 file
# for "regedit /S": EXTENSIONS extension keys (default 5000) below
# HKEY_CLASSES_ROOT naming CLASSES file classes (default 2500), each class with
# a description and a shell\open\command, and OBJECTS class identifier keys
# (default 5000) below CLSID, each with a default value and an InprocServer32
# subkey, as the noise a real registry carries; and USER (default 0) of the
# extensions spread evenly over them again in this user's store
# (HKEY_CURRENT_USER\Software\Classes), naming another class, as a program
# installed for one user leaves them. The output depends only on the
# arguments, so every run measures the same registry.
set -eu
extensions=${1:-5000}
classes=${2:-2500}
objects=${3:-5000}
user=${4:-0}

awk -v extensions="$extensions" -v classes="$classes" -v objects="$objects" -v user="$user" '
BEGIN {
    printf "REGEDIT4\r\n\r\n"
    for (c = 0; c < classes; c++) {
        printf "[HKEY_CLASSES_ROOT\\Bench.Class%05d]\r\n", c
        printf "@=\"Bench document type %d\"\r\n\r\n", c
        printf "[HKEY_CLASSES_ROOT\\Bench.Class%05d\\shell\\open\\command]\r\n", c
        printf "@=\"\\\"C:\\\\Program Files\\\\Bench\\\\bench%d.exe\\\" \\\"%%1\\\"\"\r\n\r\n", c % 50
    }
    # The extensions are spread over the classes with a stride prime to their
    # number, so that a class'\''s extensions lie far apart in sort order.
    for (e = 0; e < extensions; e++) {
        printf "[HKEY_CLASSES_ROOT\\.bx%05d]\r\n", e
        printf "@=\"Bench.Class%05d\"\r\n", (classes > 0 ? (e * 7919) % classes : 0)
        printf "\"Content Type\"=\"application/x-bench\"\r\n\r\n"
    }
    for (u = 0; u < user; u++) {
        e = int(u * extensions / user)
        printf "[HKEY_CURRENT_USER\\Software\\Classes\\.bx%05d]\r\n", e
        printf "@=\"Bench.Class%05d\"\r\n\r\n", (classes > 0 ? (e * 7919 + 1) % classes : 0)
    }
    for (g = 0; g < objects; g++) {
        guid = sprintf("{%08X-B5C4-4E11-9A5D-%012X}", g * 2654435761 % 4294967296, g)
        printf "[HKEY_CLASSES_ROOT\\CLSID\\%s]\r\n", guid
        printf "@=\"Bench object %d\"\r\n\r\n", g
        printf "[HKEY_CLASSES_ROOT\\CLSID\\%s\\InprocServer32]\r\n", guid
        printf "@=\"C:\\\\Windows\\\\System32\\\\bench%d.dll\"\r\n", g % 100
        printf "\"ThreadingModel\"=\"Apartment\"\r\n\r\n"
    }
}'
