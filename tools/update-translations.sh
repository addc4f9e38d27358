#!/usr/bin/env bash
# Brings the catalogues under translations/ up to date with the texts in the sources:
# new texts are added unfinished, texts gone from the sources are dropped. The core marks
# its texts with VT_TR / VT_TR_NOOP (text/Translate.h); the Qt layer uses tr().
# velmora-cli is not scanned: it speaks English in every locale.
#   tools/update-translations.sh [CATALOGUE.ts ...]     (default: every catalogue)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}
cd "$root"
if [[ $# -eq 0 ]]; then set -- translations/velmora_*.ts; fi
sources=()
for dir in text database channels satellites settings import printing health exchange compare \
           satxml commands app; do
    sources+=("$dir")
done
"$lupdate" -silent -I "$root" -no-obsolete -locations none -extensions cpp,h \
    -tr-function-alias translate+=VT_TR,QT_TRANSLATE_NOOP+=VT_TR_NOOP \
    "${sources[@]}" -ts "$@"
