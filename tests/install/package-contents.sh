#!/usr/bin/env bash
# Builds the Debian package from the build and checks what it holds and what it
# asks for: the programs, run-time files, desktop entry, icon and manual pages,
# the registry file (a conffile) pointing at the installed catalogues, and the
# run-time dependencies on Qt and net-snmp.
#   package-contents.sh <build-dir> <version> <source-dir>
set -euo pipefail
build=$1
version=$2
source=$3
work=$(mktemp -d /tmp/hv720-package-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/hv720_*.deb)
[ -f "${debs[0]}" ] || fail "no package in $(ls "$work")"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = hv720 ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"

files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
expected=(./usr/bin/hv720 ./usr/bin/hv720-sim ./etc/xdg/Norvane/registry.ini
          ./usr/share/applications/hv720.desktop ./usr/share/icons/hicolor/256x256/apps/hv720.png
          ./usr/share/man/man1/hv720.1.gz ./usr/share/man/man1/hv720-sim.1.gz
          ./usr/share/hv720/errmsg/{common.err,snmp.err,snmpv3.err,snmpusm.err,snmpclass.err,nvsnmp.err,snmp.msg})
# The companion programs, once the sources have them.
companions=()
[ -f "$source/companions/CMakeLists.txt" ] && companions=(MIB IFMib EthernetLike Rmon Bridge Layer3)
for companion in "${companions[@]}"; do
  expected+=("./usr/bin/$companion")
done
for f in "${expected[@]}"; do
  grep -qx -- "$f" <<<"$files" || fail "$f is not in the package"
done
# Nothing of the build tree or the tests rides along.
if grep -E '^\./usr/bin/(test_|bench)|/tests?/' <<<"$files"; then
  fail "development files in the package"
fi

depends=$(dpkg-deb -f "$deb" Depends)
needed=(libqt6widgets6 libqt6gui6 libqt6core6 libsnmp40)
[ ${#companions[@]} -gt 0 ] && needed+=(libqt6charts6)
for p in "${needed[@]}"; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done

dpkg-deb -e "$deb" "$work/control"
grep -qx /etc/xdg/Norvane/registry.ini "$work/control/conffiles" || fail "registry.ini is not a conffile"
dpkg-deb -x "$deb" "$work/root"
grep -qxF '1.3.6.1.4.1.497.10.59.7=/usr/share/hv720/HV720NMS.exe' "$work/root/etc/xdg/Norvane/registry.ini" ||
  fail "registry file: $(cat "$work/root/etc/xdg/Norvane/registry.ini")"
grep -qxF '[SOFTWARE\Norvane\Modules\HelpPath]' "$work/root/etc/xdg/Norvane/registry.ini" || fail "registry key"
echo "package $(basename "$deb"): ${#expected[@]} files checked; Depends: $depends"
