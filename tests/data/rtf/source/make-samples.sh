#!/bin/sh
# SPDX-FileCopyrightText: 2026 The BelegAdressen developers
# SPDX-License-Identifier: MIT
# Writes the RTF samples of the directory above from the documents here.
set -e
cd "$(dirname "$0")"
for f in *.html; do
    soffice --headless --infilter="HTML (StarWriter)" --convert-to rtf --outdir .. "$f"
done
for f in *.fodt; do
    soffice --headless --convert-to rtf --outdir .. "$f"
done
