#!/usr/bin/env bash
# The product installer of the installation medium (W_disk_1/SETUP.exe): puts tavrin with
# its databases, maps and the page about it into a prefix, with a command, an icon and an
# entry in the desktop's application menu; with --uninstall, takes them away again and
# leaves the user's captures. The program comes from the folder beside this script.
set -euo pipefail
# shellcheck source=window.sh
. "$(dirname "$0")/window.sh"

readonly product="ruvirov Ｖｅｒａｎｔｈ"
readonly databases=(Hokkaido_Hyser_Data.mdb Touhok_Hyser_Data.mdb Kanto_Hyser_Data.mdb Kinki_Hyser_Data.mdb
                    Chugok_Hyser_Data.mdb Kyusyu_Hyser_Data.mdb Okinawa_Hyser_Data.mdb)
# What goes into <prefix>/lib/tavrin, and what earlier versions put there that is gone now.
readonly engine=libtavrin_webengine.so
readonly ours=(tavrin Hyther_DB W_GIF tavrin.html "$engine")
readonly former=(README.md)

usage() {
  cat <<USAGE
使い方: SETUP.exe [--prefix フォルダー] [--uninstall]

$product（tavrin）を、気候データベース・地図・説明のページとともに
<フォルダー>/lib/tavrin に入れ、コマンド <フォルダー>/bin/tavrin、
メニューの項目 <フォルダー>/share/applications/tavrin.desktop と
そのアイコンを作ります。既定のフォルダーは ~/.local です（管理者の
権限はいりません）。前に入れたものは置き換わり、CAP に保存した
キャプチャーは残ります。

  --uninstall  <フォルダー> に入れたものを消します。CAP に保存した
               キャプチャーは消さずに残します。
USAGE
}

fail() {
  echo "SETUP.exe: $*" >&2
  exit 1
}

args=("$@")
prefix="${HOME:-}/.local"
uninstall=
while [ $# -gt 0 ]; do
  case $1 in
    --prefix)
      [ $# -ge 2 ] || { usage >&2; exit 2; }
      prefix=$2
      shift 2 ;;
    --prefix=*) prefix=${1#--prefix=}; shift ;;
    --uninstall) uninstall=1; shift ;;
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
  if [ "$status" -ne 0 ]; then
    if [ -n "$uninstall" ]; then echo "アンインストールできませんでした。" >&2; else echo "インストールできませんでした。" >&2; fi
  fi
  finish_window "$status"
}
trap finish EXIT
trap 'exit 129' HUP
open_window "$0" ${args[@]+"${args[@]}"}

[ -n "$prefix" ] || fail "インストール先のフォルダーがわかりません（HOME がありません）。--prefix で指定してください。"
# The menu entry names the program by its path, and these characters would need quoting
# that not every desktop reads alike.
case $prefix in
  *[\"\`\$\\%]* | *$'\n'*) fail "インストール先のフォルダー名に \" \` \$ \\ % や改行は使えません: $prefix" ;;
esac

# The places outside the program's folder, named from the prefix as given or as resolved.
places() {
  dest=$prefix/lib/tavrin
  command=$prefix/bin/tavrin
  entry=$prefix/share/applications/tavrin.desktop
  icon=$prefix/share/icons/hicolor/scalable/apps/tavrin.svg
}

# Folders left empty once ours are gone, up to the prefix, which stays.
remove_empty() {
  local d
  for d in "$@"; do
    while [ "$d" != "$prefix" ] && [ "${d#"$prefix"/}" != "$d" ] && rmdir "$d" 2> /dev/null; do
      d=$(dirname "$d")
    done
  done
}

do_uninstall() {
  if [ ! -d "$prefix" ]; then
    echo "$prefix に $product は入っていません。消すものはありません。"
    exit 0
  fi
  prefix=$(cd "$prefix" && pwd -P)
  places
  echo "$product をアンインストールします。"
  echo "インストール先: $dest"
  local found='' item
  # Only what this installer made: the command that points at our program, the menu entry
  # that starts it, the icon under our name, and our files in the program's folder.
  if [ -L "$command" ] && [ "$(readlink "$command")" = "../lib/tavrin/tavrin" ]; then
    echo "消しています: $command"
    rm -f "$command"
    found=1
  fi
  if [ -f "$entry" ] && grep -qxF "Exec=\"$dest/tavrin\"" "$entry"; then
    echo "消しています: $entry"
    rm -f "$entry"
    found=1
  fi
  if [ -f "$icon" ]; then
    echo "消しています: $icon"
    rm -f "$icon"
    found=1
  fi
  if [ -d "$dest" ]; then
    for item in "${ours[@]}" "${former[@]}"; do
      if [ -e "$dest/$item" ] || [ -L "$dest/$item" ]; then
        echo "消しています: $dest/$item"
        rm -rf "${dest:?}/$item"
        found=1
      fi
    done
    # The captures are the user's own work: they stay, and only the empty folders of
    # places without a capture go.
    [ ! -d "$dest/CAP" ] || find "$dest/CAP" -mindepth 1 -depth -type d -empty -delete
    rmdir "$dest/CAP" 2> /dev/null || true
  fi
  remove_empty "$dest" "$prefix/lib" "$(dirname "$command")" "$(dirname "$entry")" "$(dirname "$icon")"

  if [ -z "$found" ]; then
    echo "$dest に $product は入っていません。消すものはありませんでした。"
    exit 0
  fi
  echo
  echo "アンインストールが終わりました。"
  if [ -d "$dest/CAP" ]; then
    echo "保存したキャプチャーは消さずに残しました: $dest/CAP"
    echo "いらなければ、このフォルダーを消してください。"
  fi
  if [ -d "$dest" ] && [ -n "$(find "$dest" -mindepth 1 -maxdepth 1 ! -name CAP -print -quit)" ]; then
    echo "インストールしたものではないファイルがあったので、残しました: $dest"
  fi
  exit 0
}

[ -z "$uninstall" ] || do_uninstall

here=$(cd "$(dirname "$0")" && pwd -P)
payload=$here/tavrin
[ -x "$payload/tavrin" ] || fail "プログラムが見つかりません: $payload/tavrin"
[ -f "$payload/tavrin.html" ] || fail "説明のページが見つかりません: $payload/tavrin.html"
[ -f "$payload/tavrin.svg" ] || fail "アイコンが見つかりません: $payload/tavrin.svg"
[ -d "$payload/W_GIF" ] || fail "地図のフォルダーが見つかりません: $payload/W_GIF"
for db in "${databases[@]}"; do
  [ -f "$payload/Hyther_DB/$db" ] || fail "データベースが見つかりません: $payload/Hyther_DB/$db"
done

mkdir -p "$prefix" || fail "インストール先のフォルダーを作れません: $prefix"
prefix=$(cd "$prefix" && pwd -P)
places

echo "$product をインストールします。"
echo "インストール先: $dest"

mkdir -p "$dest" "$(dirname "$command")" "$(dirname "$entry")" "$(dirname "$icon")"
# Everything is copied beside the old program first and swapped in at the end, so a copy
# that fails half-way leaves the installed program as it was.
stage=$(mktemp -d "$prefix/lib/.tavrin-install.XXXXXX")
echo "[1/4] プログラムとデータをコピーしています..."
cp -R "$payload/Hyther_DB" "$payload/W_GIF" "$stage/"
cp "$payload/tavrin" "$payload/tavrin.html" "$stage/"
chmod 755 "$stage/tavrin"
# The web engine module, in a program built with the engine: loaded with the first page shown.
items=(Hyther_DB W_GIF tavrin.html tavrin)
if [ -f "$payload/$engine" ]; then
  cp "$payload/$engine" "$stage/"
  items+=("$engine")
fi
for item in "${ours[@]}" "${former[@]}"; do rm -rf "${dest:?}/$item"; done
for item in "${items[@]}"; do mv "$stage/$item" "$dest/$item"; done
# Captures go here; a reinstall keeps those already saved.
mkdir -p "$dest/CAP"

echo "[2/4] コマンドを作っています: $command"
ln -sfn "../lib/tavrin/tavrin" "$command"

echo "[3/4] アイコンを入れています: $icon"
cp "$payload/tavrin.svg" "$stage/tavrin.svg"
mv "$stage/tavrin.svg" "$icon"

echo "[4/4] メニューの項目を作っています: $entry"
cat > "$stage/tavrin.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Version=1.0
Name=$product
GenericName=気候グラフ
Comment=気象観測所の気候をハイサーグラフや雨温図に描きます
Keywords=tavrin;ハイサーグラフ;雨温図;気候;
Exec="$dest/tavrin"
TryExec=$dest/tavrin
Path=$dest
Icon=$icon
Terminal=false
Categories=Education;Geography;
ENTRY
# Desktops watch this folder and show the entry; it names no file types, so there is no
# type cache to refresh.
mv "$stage/tavrin.desktop" "$entry"

echo
echo "インストールが終わりました。"
echo "アプリケーションメニューの「$product」か、コマンド $command で起動できます。"
