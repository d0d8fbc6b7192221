# Sourced by scripts/screenshots.sh: the user-interface gallery (footer, banner, panel, custom controls).
shot uilib_gallery "$SUITE_BUILD/tools/gallery/uilib_gallery.exe"
