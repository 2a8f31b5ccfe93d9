#!/usr/bin/env bash
# The product installer of the installation medium (W_disk_1/SETUP.exe): puts tavrin with
# its databases, maps and read-me into a prefix, with a command and an entry in the
# desktop's application menu. The program comes from the folder beside this script.
set -euo pipefail
# shellcheck source=window.sh
. "$(dirname "$0")/window.sh"

readonly product="ruvirov Ｖｅｒａｎｔｈ"
readonly databases=(Hokkaido_Hyser_Data.mdb Touhok_Hyser_Data.mdb Kanto_Hyser_Data.mdb Kinki_Hyser_Data.mdb
                    Chugok_Hyser_Data.mdb Kyusyu_Hyser_Data.mdb Okinawa_Hyser_Data.mdb)

usage() {
  cat <<USAGE
使い方: SETUP.exe [--prefix フォルダー]

$product（tavrin）を、気候データベース・地図・README とともに
<フォルダー>/lib/tavrin に入れ、コマンド <フォルダー>/bin/tavrin と
メニューの項目 <フォルダー>/share/applications/tavrin.desktop を作ります。
既定のフォルダーは ~/.local です（管理者の権限はいりません）。
前に入れたものは置き換わり、CAP に保存したキャプチャーは残ります。
USAGE
}

fail() {
  echo "SETUP.exe: $*" >&2
  exit 1
}

args=("$@")
prefix="${HOME:-}/.local"
while [ $# -gt 0 ]; do
  case $1 in
    --prefix)
      [ $# -ge 2 ] || { usage >&2; exit 2; }
      prefix=$2
      shift 2 ;;
    --prefix=*) prefix=${1#--prefix=}; shift ;;
    -h | --help) usage; exit 0 ;;
    *) echo "SETUP.exe: このオプションは使えません: $1" >&2; usage >&2; exit 2 ;;
  esac
done

# What is left to do however the installer ends: the staging folder goes, a failure is
# said plainly, and a window the installer opened for itself waits to be read.
stage=
finish() {
  local status=$?
  [ -z "$stage" ] || rm -rf "$stage"
  [ "$status" -eq 0 ] || echo "インストールできませんでした。" >&2
  finish_window "$status"
}
trap finish EXIT
trap 'exit 129' HUP
open_window "$0" ${args[@]+"${args[@]}"}

here=$(cd "$(dirname "$0")" && pwd -P)
payload=$here/tavrin
[ -x "$payload/tavrin" ] || fail "プログラムが見つかりません: $payload/tavrin"
[ -f "$payload/README.md" ] || fail "README が見つかりません: $payload/README.md"
[ -d "$payload/W_GIF" ] || fail "地図のフォルダーが見つかりません: $payload/W_GIF"
for db in "${databases[@]}"; do
  [ -f "$payload/Hyther_DB/$db" ] || fail "データベースが見つかりません: $payload/Hyther_DB/$db"
done

[ -n "$prefix" ] || fail "インストール先のフォルダーがわかりません（HOME がありません）。--prefix で指定してください。"
# The menu entry names the program by its path, and these characters would need quoting
# that not every desktop reads alike.
case $prefix in
  *[\"\`\$\\%]* | *$'\n'*) fail "インストール先のフォルダー名に \" \` \$ \\ % や改行は使えません: $prefix" ;;
esac
mkdir -p "$prefix" || fail "インストール先のフォルダーを作れません: $prefix"
prefix=$(cd "$prefix" && pwd -P)
dest=$prefix/lib/tavrin

echo "$product をインストールします。"
echo "インストール先: $dest"

mkdir -p "$dest" "$prefix/bin" "$prefix/share/applications"
# Everything is copied beside the old program first and swapped in at the end, so a copy
# that fails half-way leaves the installed program as it was.
stage=$(mktemp -d "$prefix/lib/.tavrin-install.XXXXXX")
echo "プログラムとデータをコピーしています..."
cp -R "$payload/Hyther_DB" "$payload/W_GIF" "$stage/"
cp "$payload/tavrin" "$payload/README.md" "$stage/"
chmod 755 "$stage/tavrin"
# The web engine module, in a program built with the engine: loaded with the first page shown.
engine=libtavrin_webengine.so
items=(Hyther_DB W_GIF README.md tavrin)
rm -f "${dest:?}/$engine"
if [ -f "$payload/$engine" ]; then
  cp "$payload/$engine" "$stage/"
  items+=("$engine")
fi
for item in "${items[@]}"; do
  rm -rf "${dest:?}/$item"
  mv "$stage/$item" "$dest/$item"
done
# Captures go here; a reinstall keeps those already saved.
mkdir -p "$dest/CAP"

echo "コマンドを作っています: $prefix/bin/tavrin"
ln -sfn "../lib/tavrin/tavrin" "$prefix/bin/tavrin"

entry=$prefix/share/applications/tavrin.desktop
echo "メニューの項目を作っています: $entry"
cat > "$stage/tavrin.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Version=1.0
Name=$product
GenericName=気候グラフ
Comment=気象観測所の気候をハイサーグラフや雨温図に描きます
Exec="$dest/tavrin"
TryExec=$dest/tavrin
Path=$dest
Icon=applications-science
Terminal=false
Categories=Education;Science;
ENTRY
mv "$stage/tavrin.desktop" "$entry"
if command -v update-desktop-database > /dev/null 2>&1; then
  update-desktop-database -q "$prefix/share/applications" 2> /dev/null || true
fi

echo
echo "インストールが終わりました。"
echo "アプリケーションメニューの「$product」か、コマンド $prefix/bin/tavrin で起動できます。"
