#!/usr/bin/env bash
# The runtime installer of the installation medium (W_disk_2/AccessRuntime.exe): the
# libraries and fonts tavrin needs at run time, from the system's package archive through
# apt-get. It asks apt only for what is missing, so running it again does nothing more.
set -euo pipefail
# shellcheck source=window.sh
. "$(dirname "$0")/window.sh"

# Qt 6 (windows, printing, the GIF and X11 plugins), Qt WebEngine (without it the program's
# browser window falls back to a plain one), Qt's own Japanese texts, SQLite, the IPA
# Gothic faces and a face with Hangul.
readonly packages=(libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6webenginewidgets6 qt6-translations-l10n
                   libsqlite3-0 fonts-ipafont-gothic fonts-noto-cjk)

usage() {
  cat <<USAGE
使い方: AccessRuntime.exe [--check]

tavrin の実行に必要なもの（Qt 6 と Qt WebEngine のライブラリ、Qt の日本語の訳、
SQLite、IPA ゴシックと Noto CJK のフォント）のうち、足りないパッケージだけを
apt-get で入れます。管理者の権限が必要です（root でなければ sudo か pkexec を
使います）。

  --check   足りないものを調べて知らせるだけで、何も入れません。
            すべて入っていれば 0、足りないものがあれば 1 で終わります。
USAGE
}

args=("$@")
check=
while [ $# -gt 0 ]; do
  case $1 in
    --check) check=1; shift ;;
    -h | --help) usage; exit 0 ;;
    *) echo "AccessRuntime.exe: このオプションは使えません: $1" >&2; usage >&2; exit 2 ;;
  esac
done

trap 'finish_window $?' EXIT
trap 'exit 129' HUP
open_window "$0" ${args[@]+"${args[@]}"}

fail() {
  echo "AccessRuntime.exe: $*" >&2
  exit 1
}

command -v dpkg-query > /dev/null 2>&1 ||
  fail "このシステムには dpkg がないので、調べられません。次のパッケージに当たるものを、システムのパッケージ管理で入れてください: ${packages[*]}"

installed() { dpkg-query -W -f='${Status}' "$1" 2> /dev/null | grep -q 'install ok installed'; }
# Newer releases carry the libraries built with 64-bit time under a name ending in t64.
present() { installed "$1" || installed "${1}t64"; }

echo "tavrin の実行に必要なもの（ランタイム）を調べています..."
missing=()
for p in "${packages[@]}"; do
  if present "$p"; then
    echo "  入っています: $p"
  else
    echo "  足りません　: $p"
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "ランタイムはすべて入っています。入れるものはありません。"
  exit 0
fi
if [ -n "$check" ]; then
  echo "足りないもの: ${missing[*]}"
  echo "入れるには、--check を付けずに実行してください。"
  exit 1
fi

command -v apt-get > /dev/null 2>&1 ||
  fail "apt-get がありません。次のパッケージに当たるものを、システムのパッケージ管理で入れてください: ${missing[*]}"

elevate=()
if [ "$(id -u)" -ne 0 ]; then
  if [ -t 0 ] && command -v sudo > /dev/null 2>&1; then
    elevate=(sudo)
  elif command -v pkexec > /dev/null 2>&1; then
    elevate=(pkexec)
  elif command -v sudo > /dev/null 2>&1; then
    elevate=(sudo)
  else
    fail "管理者の権限が必要です。root で実行するか、sudo か pkexec を入れてください。"
  fi
  echo "管理者のパスワードを聞かれたら入力してください（${elevate[0]}）。"
fi

echo "apt-get でパッケージの一覧を新しくしてから、次のものを入れます: ${missing[*]}"
# One elevated command, so the password is asked once.
${elevate[@]+"${elevate[@]}"} env DEBIAN_FRONTEND=noninteractive sh -c 'apt-get update && apt-get install -y "$@"' sh "${missing[@]}" ||
  fail "apt-get が失敗しました。上に出たメッセージを確かめてください（ネットワークにつながっているかも確かめてください）。"

still=()
for p in "${missing[@]}"; do present "$p" || still+=("$p"); done
[ ${#still[@]} -eq 0 ] || fail "入らなかったパッケージがあります: ${still[*]}"
echo "ランタイムのインストールが終わりました。"
