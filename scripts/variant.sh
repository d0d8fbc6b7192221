# Sourced by every script: which variant of the suite to build and run, and the Wine
# launcher for it. The product is 32-bit (x86); machines that cannot run 32-bit x86 code get
# the 64-bit variant (x64) of the same code.
#   suite_select_variant "$@"   reads --variant x86|x64, sets SUITE_VARIANT, SUITE_PRESET,
#                               SUITE_BUILD and SUITE_ARGS (the other arguments), and prints
#                               the variant as its first line
#   suite_runs_x86              whether this machine runs 32-bit x86 programs
#   suite_x86_installable       whether what the x86 variant needs is installed, or installs
#   wine <program> [args...]    runs a program under the loader of the variant

suite_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# A 32-bit ELF program of a few bytes that only exits: it runs, or the kernel refuses it.
# SUITE_FORCE_NO_32BIT=1 answers "no" whatever the machine, to walk the 64-bit path here.
suite_runs_x86() {
  if [ "${SUITE_FORCE_NO_32BIT:-0}" = 1 ]; then
    return 1
  fi
  if [ -n "${SUITE_RUNS_X86:-}" ]; then
    [ "$SUITE_RUNS_X86" = yes ]
    return
  fi
  local probe
  probe=$(mktemp)
  # ELF header, one loadable segment, then: mov eax, 1; xor ebx, ebx; int 0x80 (exit 0).
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
  printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
  printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
  printf '\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010' >>"$probe"
  printf '\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000' >>"$probe"
  printf '\000\020\000\000\270\001\000\000\000\061\333\315\200' >>"$probe"
  chmod +x "$probe"
  if "$probe" >/dev/null 2>&1; then SUITE_RUNS_X86=yes; else SUITE_RUNS_X86=no; fi
  rm -f "$probe"
  export SUITE_RUNS_X86
  [ "$SUITE_RUNS_X86" = yes ]
}

# A machine that runs 32-bit code may still be unable to install 32-bit Wine (an i386 package
# list that its mirror does not serve whole): then the x86 variant cannot be tested here either.
suite_x86_installable() {
  if [ -n "${SUITE_X86_INSTALLABLE:-}" ]; then
    [ "$SUITE_X86_INSTALLABLE" = yes ]
    return
  fi
  if "$suite_root/scripts/install-deps.sh" x86 >&2; then
    SUITE_X86_INSTALLABLE=yes
  else
    SUITE_X86_INSTALLABLE=no
  fi
  export SUITE_X86_INSTALLABLE
  [ "$SUITE_X86_INSTALLABLE" = yes ]
}

suite_select_variant() {
  local asked=""
  SUITE_ARGS=()
  while [ $# -gt 0 ]; do
    case "$1" in
      --variant) asked=${2:-}; shift 2 || shift ;;
      --variant=*) asked=${1#--variant=}; shift ;;
      *) SUITE_ARGS+=("$1"); shift ;;
    esac
  done
  case "$asked" in
    x86)
      if ! suite_runs_x86; then
        echo "this machine cannot run 32-bit x86 programs: the x86 variant cannot be built and tested here" >&2
        exit 3
      fi
      SUITE_VARIANT=x86
      echo "Variant x86 (32-bit, the product)"
      ;;
    x64)
      SUITE_VARIANT=x64
      echo "Variant x64 (64-bit)"
      ;;
    "")
      if suite_runs_x86 && suite_x86_installable; then
        SUITE_VARIANT=x86
        echo "Variant x86 (32-bit, the product)"
      elif suite_runs_x86; then
        SUITE_VARIANT=x64
        echo "the 32-bit variant's packages (32-bit Wine) cannot be installed here: building and testing the 64-bit variant"
      else
        SUITE_VARIANT=x64
        echo "this machine cannot run 32-bit x86 programs: building and testing the 64-bit variant"
      fi
      ;;
    *)
      echo "--variant takes x86 or x64, not '$asked'" >&2
      exit 2
      ;;
  esac
  if [ "$SUITE_VARIANT" = x86 ]; then
    SUITE_PRESET=mingw
    SUITE_BUILD="$suite_root/build"
  else
    SUITE_PRESET=mingw-x64
    SUITE_BUILD="$suite_root/build-x64"
  fi
  export SUITE_VARIANT SUITE_PRESET SUITE_BUILD
}

wine() {
  "$suite_root/scripts/suite-wine" "$SUITE_VARIANT" "$@"
}
