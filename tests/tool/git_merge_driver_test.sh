#!/usr/bin/env bash
# Real git with ovantra-rules as the merge driver and the diff text
# conversion of rules files, on a scratch repository holding the demo file:
# two branches that change one unit's attack and its defense (the same line)
# conflict for plain git and merge cleanly with the driver; a third that
# changes the attack otherwise is a conflict git reports, the file keeping
# ours; git diff shows the one field that changed.
#
# usage: git_merge_driver_test.sh TOOL DEMO_RULES_FILE
set -euo pipefail

tool=$1
demo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Neither the user's nor the system's git settings take part.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" GIT_CONFIG_NOSYSTEM=1
mkdir -p "$HOME"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

set_field() {  # set_field SUFFIX VALUE: Ember Guard's number ending in SUFFIX ("a" attack, "d" defense)
  sed -i -E "/^Ember Guard,/s/ +[0-9]+$1,/ $2$1,/" rules.txt
}

field_line() {  # one of Ember Guard's fields in the textconv listing, named in full
  "$tool" textconv rules.txt | awk -v field="    $1 " '
    /^Unit "Ember Guard"$/ { inside = 1; next }
    /^[^ ]/ { inside = 0 }
    inside && index($0, field) == 1 { print "Unit \"Ember Guard\" " substr($0, 5) }'
}

git init -q -b main "$work/repo"
cd "$work/repo"
git config user.name "Merge Test"
git config user.email "merge-test@example.invalid"
cp "$demo" rules.txt
git add rules.txt
git commit -qm "demo rules"
[ "$(field_line attack)" = 'Unit "Ember Guard" attack 2' ] || fail "the demo's Ember Guard has no attack 2"

git checkout -qb attack
set_field a 3
git commit -qam "attack 3"
git tag attack-only
git checkout -qb defense main
set_field d 4
git commit -qam "defense 4"
git checkout -qb attack-4 main
set_field a 4
git commit -qam "attack 4"

# Plain git: both branches changed one line, so it conflicts.
git checkout -q attack
if git merge -q --no-edit defense >/dev/null 2>&1; then fail "plain git merged the same line"; fi
git merge --abort

# With the driver: setting up twice changes nothing the second time.
"$tool" git-setup > setup.out
grep -qx '.*\.gitattributes: rules.txt merge=ovantra-rules diff=ovantra-rules' setup.out ||
  fail "git-setup did not write the attributes: $(cat setup.out)"
grep -q '^git config merge.ovantra-rules.driver ' setup.out || fail "git-setup did not set the driver"
[ "$("$tool" git-setup)" = "Nothing to change: git already merges and compares rules files with ovantra-rules." ] ||
  fail "a second git-setup changed something"
rm setup.out
git add .gitattributes
git commit -qm "rules files through ovantra-rules"

git merge -q --no-edit defense >/dev/null || fail "the driver did not merge attack and defense"
[ "$(field_line attack)" = 'Unit "Ember Guard" attack 3' ] || fail "the merge lost the attack"
[ "$(field_line defense)" = 'Unit "Ember Guard" defense 4' ] || fail "the merge lost the defense"

# A conflict: git reports it, and the file keeps ours.
git show HEAD:rules.txt > ours.txt
if git merge --no-edit attack-4 > merge.out 2>&1; then fail "attack 3 against attack 4 merged cleanly"; fi
grep -q '^rules.txt:146: conflict: Unit "Ember Guard": attack base 2, ours 3, theirs 4$' merge.out ||
  fail "the driver's report does not name the field: $(cat merge.out)"
grep -q 'CONFLICT.*rules.txt' merge.out || fail "git did not report the conflict: $(cat merge.out)"
[ "$(git diff --name-only --diff-filter=U)" = "rules.txt" ] || fail "git does not list rules.txt as conflicted"
cmp -s ours.txt rules.txt || fail "the conflicted file is not ours"
git merge --abort

# The diff names the one field that changed, and nothing else, under a hunk
# header that names its unit.
diff=$(git diff main attack-only -- rules.txt)
changed=$(grep -E '^[-+]' <<<"$diff" | grep -vE '^(---|\+\+\+) ')
[ "$changed" = $'-    attack 2\n+    attack 3' ] || fail "git diff shows: $changed"
grep -q '^@@ .* @@ Unit "Ember Guard"$' <<<"$diff" || fail "the hunk does not name the unit: $diff"

echo "git merge driver and textconv: ok"
