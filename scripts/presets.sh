# shellcheck shell=bash
# configure_preset PRESET [CMAKE_OPTIONS...]: configures a build of CMakePresets.json, in
# ROUTESEER_BUILD_DIR instead of the preset's own folder when that is set, and sets `build` to the
# folder it configured.
configure_preset() {
  local preset=$1 said
  shift
  said=$(cmake --preset "$preset" ${ROUTESEER_BUILD_DIR:+-B "$ROUTESEER_BUILD_DIR"} "$@") || {
    echo "$said"
    return 1
  }
  echo "$said"
  build=$(sed -n 's/^-- Build files have been written to: //p' <<<"$said")
}
