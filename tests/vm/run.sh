#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Boots Debian's kernel in qemu with a busybox initramfs, shares the host's root read-only and
# runs the project's guest checks (tests/vm/guest_checks.cpp) against the kernel's uhid, HID core
# and hidraw. The kernel package is fetched at run time with apt-get download (the current
# version of linux-image-amd64's dependency) and cached in build-vm-cache/ (or $Z408_VM_CACHE).
# Usage: tests/vm/run.sh [BUILD_DIR]    Exit status 0 only when the guest reports PASS.
# Z408_VM_ONLY=hid or evdev runs that group of checks alone (while working on it).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$root/build}")
guest_bin="$build/tests/z408_vm_guest"
for f in "$guest_bin" "$build/bin/z408ctl" "$build/bin/z408"; do
    [ -x "$f" ] || { echo "vm: $f is missing; build the project first" >&2; exit 2; }
done
for tool in qemu-system-x86_64 busybox cpio xz apt-get dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "vm: $tool is missing (scripts/install-deps.sh)" >&2; exit 2; }
done
busybox_bin=$(command -v busybox)

work="$build/vm"
cache=${Z408_VM_CACHE:-$root/build-vm-cache}
mkdir -p "$work" "$cache"

# Modules in load order: HID core and uhid; evdev and uinput for the input hook's own source;
# virtio and 9p for the shared root; USB for qemu's tablet, the one USB device the hardware-id
# search can find.
mods=(
    drivers/hid/hid drivers/hid/hid-generic drivers/hid/uhid
    drivers/input/evdev drivers/input/misc/uinput
    drivers/virtio/virtio_ring drivers/virtio/virtio drivers/virtio/virtio_pci_modern_dev
    drivers/virtio/virtio_pci_legacy_dev drivers/virtio/virtio_pci
    net/9p/9pnet net/9p/9pnet_virtio fs/netfs/netfs fs/fscache/fscache fs/9p/9p
    drivers/usb/common/usb-common drivers/usb/core/usbcore drivers/usb/host/uhci-hcd
)

pkg=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/{print $2; exit}')
[ -n "$pkg" ] || { echo "vm: cannot tell the current kernel package (apt-get update?)" >&2; exit 2; }
kver=${pkg#linux-image-}
kdir="$cache/$kver"
complete=1
[ -s "$kdir/vmlinux" ] || complete=0
for m in "${mods[@]}"; do [ -f "$kdir/x/lib/modules/$kver/kernel/$m.ko" ] || complete=0; done
if [ "$complete" = 0 ]; then
    echo "vm: fetching $pkg"
    rm -rf "$cache/download" "$kdir"
    mkdir -p "$cache/download" "$kdir/x"
    (cd "$cache/download" && apt-get download "$pkg" >/dev/null 2>&1) ||
        { echo "vm: apt-get download $pkg failed" >&2; exit 2; }
    members=("./boot/vmlinuz-$kver")
    for m in "${mods[@]}"; do members+=("./lib/modules/$kver/kernel/$m.ko"); done
    dpkg-deb --fsys-tarfile "$cache"/download/*.deb | tar -x -C "$kdir/x" "${members[@]}"
    # The uncompressed kernel boots much faster under TCG; it has a PVH entry for -kernel.
    offset=$(LC_ALL=C grep -obUaP '\xfd7zXZ\x00' "$kdir/x/boot/vmlinuz-$kver" | head -n1 | cut -d: -f1)
    tail -c +$((offset + 1)) "$kdir/x/boot/vmlinuz-$kver" | xz -dc --single-stream >"$kdir/vmlinux" 2>/dev/null || true
    [ -s "$kdir/vmlinux" ] || { echo "vm: cannot unpack the kernel image" >&2; exit 2; }
    rm -rf "$cache/download"
fi

# The initramfs: busybox, the modules and an init that mounts the host root and runs the checks.
initdir="$work/initramfs"
rm -rf "$initdir"
mkdir -p "$initdir"/{bin,modules,proc,sys,dev,host}
cp "$busybox_bin" "$initdir/bin/busybox"
modlist=""
for m in "${mods[@]}"; do
    name=$(basename "$m")
    cp "$kdir/x/lib/modules/$kver/kernel/$m.ko" "$initdir/modules/$name.ko"
    modlist+="$name "
done
cat >"$initdir/init" <<INIT
#!/bin/busybox sh
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
for m in $modlist; do insmod /modules/\$m.ko || echo "Z408-VM: insmod \$m failed"; done
if mount -t 9p -o trans=virtio,version=9p2000.L,ro,msize=262144 hostroot /host; then
    mount --bind /dev /host/dev
    mount --bind /proc /host/proc
    mount --bind /sys /host/sys
    # A writable /tmp for the checks; a project checked out under the host's /tmp stays visible.
    mkdir -p /hosttmp
    mount --bind /host/tmp /hosttmp
    mount -t tmpfs tmp /host/tmp
    for d in "$root" "$build"; do
        case "\$d" in
            /tmp/*) mkdir -p "/host\$d" && mount --bind "/hosttmp\${d#/tmp}" "/host\$d" ;;
        esac
    done
    mount -t tmpfs run /host/run
    chroot /host "$guest_bin" "$build/bin/z408ctl"
    echo "Z408-VM: guest checks exited with \$?"
else
    echo "Z408-VM-RESULT: FAIL (cannot mount the host root)"
fi
poweroff -f
INIT
chmod +x "$initdir/init"
(cd "$initdir" && find . | cpio -o -H newc --quiet | gzip -1) >"$work/initrd.gz"

log="$work/serial.log"
echo "vm: booting $kver under qemu (TCG)"
start=$(date +%s%N)
timeout 300 qemu-system-x86_64 -accel tcg -m 512 -smp 1 -nographic -no-reboot \
    -kernel "$kdir/vmlinux" -initrd "$work/initrd.gz" \
    -append "console=ttyS0 quiet panic=-1${Z408_VM_ONLY:+ z408_vm_only=$Z408_VM_ONLY}" \
    -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
    -usb -device usb-tablet </dev/null >"$log" 2>&1 || true
end=$(date +%s%N)
tr -d '\r' <"$log" | grep -E '^(ok|not ok|#|Z408-VM)' || true
echo
echo "vm: qemu ran $(((end - start) / 1000000)) ms"
if tr -d '\r' <"$log" | grep -q '^Z408-VM-RESULT: PASS'; then
    exit 0
fi
echo "vm: the guest did not report PASS; serial output in $log" >&2
exit 1
