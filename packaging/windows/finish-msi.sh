#!/usr/bin/env bash
# finish-msi.sh MSI FILE_VERSION
# What wixl leaves out of the installer, put into its tables: selbrin.exe's
# version in the File table (so that a newer installer replaces the file), and
# the Start menu shortcut's Turkish description, read by Windows from the
# program's own string table (the installer's tables keep to plain letters).
set -euo pipefail
msi=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
msiinfo export "$msi" File >"$work/File.idt"
msiinfo export "$msi" Shortcut >"$work/Shortcut.idt"
# Columns: File 5 Version; Shortcut 15 DescriptionResourceDLL, 16 DescriptionResourceId.
awk -F'\t' 'BEGIN {OFS = "\t"} $1 == "SelbrinExe" {$5 = v} {print}' v="$version" \
  "$work/File.idt" >"$work/File2.idt"
awk -F'\t' 'BEGIN {OFS = "\t"} $1 == "SelbrinShortcut" {$15 = "[INSTALLDIR]selbrin.exe"; $16 = 101 "\r"} {print}' \
  "$work/Shortcut.idt" >"$work/Shortcut2.idt"
mv "$work/File2.idt" "$work/File.idt"
mv "$work/Shortcut2.idt" "$work/Shortcut.idt"
msibuild "$msi" -i "$work/File.idt"
msibuild "$msi" -i "$work/Shortcut.idt"
