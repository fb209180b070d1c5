# Sourced by the comparison scripts: a work folder removed on exit, and a local ImageMagick
# policy in it that opens pictures wider than the usual system policy's 16K pixels.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert=${CONVERT:-/usr/bin/convert}
cat >"$work/policy.xml" <<'POLICY'
<policymap>
  <policy domain="resource" name="width" value="256KP"/>
  <policy domain="resource" name="area" value="1GP"/>
  <policy domain="resource" name="memory" value="2GiB"/>
  <policy domain="resource" name="map" value="4GiB"/>
</policymap>
POLICY
export MAGICK_CONFIGURE_PATH="$work"
