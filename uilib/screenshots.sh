# Sourced by scripts/screenshots.sh: the library's gallery (footer, banner, panel, custom controls).
shot uilib_gallery "$SUITE_BUILD/uilib/gallery/uilib_gallery.exe"
