#!/usr/bin/env bash
# Runs every fuzz target at length and says what broke; the time is shared equally.
#   fuzz.sh [--variant x86|x64] [minutes]      (10 minutes in all unless told)
# Targets whose parser calls nothing of Windows are built natively with clang and run under
# libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer; the others run under Wine
# through their tests, each input ending at a no-access page. A breaking input is kept:
# natively in <build folder>/fuzz-native/, under Wine as <target>-failure.bin beside its test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
minutes=${SUITE_ARGS[0]:-10}

# name|corpus|sources|include folders: the parsers that build without Windows, and the
# harness's stand-ins for the few Windows types they name.
native_targets=(
  "fuzz_pwrio_exchange|pwrio/tests/corpus/exchange|pwrio/tests/PwrioExchangeFuzz.cpp pwrio/driver/Answer.c|pwrio/driver"
  "fuzz_menuglot_value_text|menuglot/Common/Storage/tests/corpus/value-text|menuglot/Common/Storage/tests/ValueTextFuzz.cpp menuglot/Common/Storage/ValueText.cpp|menuglot/Common/Storage"
  "fuzz_menuglot_profile_buffer|menuglot/Common/Storage/tests/corpus/profile-buffer|menuglot/Common/Storage/tests/ProfileBufferFuzz.cpp menuglot/Common/Storage/ProfileBuffer.cpp|menuglot/Common/Storage"
  "fuzz_settings_command_line|settings/tests/corpus/command-line|settings/tests/CommandLineFuzz.cpp settings/CommandLineOptions.cpp core/language/LanguageOptions.cpp|settings core/language"
  "fuzz_info_command_line|info/tests/corpus/command-line|info/tests/InfoCommandLineFuzz.cpp info/core/InfoCommandLine.cpp core/language/LanguageOptions.cpp|info/core core/language"
  "fuzz_agent_stop_switch|agent/tests/corpus/stop-switch|agent/tests/StopSwitchFuzz.cpp agent/StopSwitch.cpp|agent"
)
sanitizers=(-g -O1 -fsanitize=address,undefined -fno-sanitize-recover=all)

install_clang() {
  local missing=()
  for p in clang libclang-rt-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_native() {
  local name=$1 sources=$2 includes=$3 out=$4 objects=() flags=(-Itestsupport/fuzz -Itestsupport/fuzz/native)
  for folder in $includes; do flags+=("-I$folder"); done
  mkdir -p "$out/obj"
  for source in $sources testsupport/fuzz/GuardedBufferNative.cpp testsupport/fuzz/NativeFail.cpp; do
    local object="$out/obj/$(basename "$source").o"
    case "$source" in
      *.c) clang "${sanitizers[@]}" -fsanitize=fuzzer-no-link "${flags[@]}" -c "$source" -o "$object" ;;
      *) clang++ -std=c++20 "${sanitizers[@]}" -fsanitize=fuzzer-no-link "${flags[@]}" -c "$source" -o "$object" ;;
    esac
    objects+=("$object")
  done
  clang++ "${sanitizers[@]}" -fsanitize=fuzzer "${objects[@]}" -o "$out/$name"
}

install_clang
suite_prepare

native_names=()
for entry in "${native_targets[@]}"; do native_names+=("${entry%%|*}"); done
wine_names=()
while read -r name; do
  [[ " ${native_names[*]} " == *" $name "* ]] || wine_names+=("$name")
done < <(ctest --preset "$SUITE_PRESET" -N -R '^fuzz_' | sed -n 's/^ *Test *#[0-9]*: //p')

count=$(( ${#native_targets[@]} + ${#wine_names[@]} ))
seconds=$(( minutes * 60 / count ))
echo "$count targets, $seconds s each: ${#native_targets[@]} native under libFuzzer, ${#wine_names[@]} under Wine"

failed=()
native_out="$SUITE_BUILD/fuzz-native"
for entry in "${native_targets[@]}"; do
  IFS='|' read -r name corpus sources includes <<<"$entry"
  build_native "$name" "$sources" "$includes" "$native_out"
  mkdir -p "$native_out/$name-corpus"
  echo "== $name (native)"
  # Value profiles reward inputs that come nearer to a comparison's other side, which finds
  # limits such as the end of the firmware's table that no new branch leads to.
  if "$native_out/$name" -max_total_time="$seconds" -max_len=4096 -use_value_profile=1 \
       -artifact_prefix="$native_out/$name-" -print_final_stats=1 "$native_out/$name-corpus" "$corpus" >"$native_out/$name.log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^Done' "$native_out/$name.log" || true
  else
    tail -30 "$native_out/$name.log"
    failed+=("$name")
  fi
done
for name in "${wine_names[@]}"; do
  echo "== $name (Wine)"
  if ! SUITE_FUZZ_SECONDS=$seconds ctest --preset "$SUITE_PRESET" -R "^$name\$" --timeout $(( seconds + 120 )) -V \
       | sed -n 's/^[0-9]*: //p' | grep -E 'no fault|property broken|exception|kept as'; then
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Broken: ${failed[*]}"
  exit 1
fi
echo "No target broke in $minutes min."
