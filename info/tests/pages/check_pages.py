#!/usr/bin/env python3
"""Checks the information pages and the six style sheets in headless Chromium.

For each language: the generated UTF-16 resources match their UTF-8 sources; the pages keep
the form the information program relies on; page 137 shows everything with its own style
block; page 150 shows, with each style sheet, exactly the alternatives of that sheet's
machine family and every alternative without a sheet. Screenshots of every case go to the
screenshot folder. Exits non-zero, listing every failure, when anything is wrong.
"""
import argparse
import concurrent.futures
import html
import html.parser
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile

ALTERNATIVE_CLASSES = ["AutoMode", "TypicalMode", "AlternateMode", "2AMode",
                       "SleepMusic", "Sleepmusic", "SleepOnly"]
TRACKED_CLASSES = ["notice"] + ALTERNATIVE_CLASSES
# The mode names each language's pages use, as its settings dialog shows them.
MODE_NAMES = {
    "neutral": {"AutoMode": "Auto Mode", "TypicalMode": "Typical Mode",
                "AlternateMode": "Alternate Mode", "2AMode": "2.0A Mode"},
    "de-DE": {"AutoMode": "Automatischer Modus", "TypicalMode": "Typischer Modus",
              "AlternateMode": "Alternativer Modus", "2AMode": "2,0-A-Modus"},
}
MUSIC_TITLE = "Zazez and Music"

# Which mode names each family's machines use (the settings dialog's lists): the default
# mode and the last one to try.
FAMILY_MODES = {
    "Typical": {"TypicalMode", "AlternateMode"},
    "Alternate": {"AutoMode", "AlternateMode"},
    "Apple2A": {"AutoMode", "2AMode"},
}
WITH_MUSIC = {"SleepMusic", "Sleepmusic"}
WITHOUT_MUSIC = {"SleepOnly"}

SHEET_LINKS = [r"C:\Program Files\Corvane\Corvane Vezuv Uvodoza\auto.css",
               r"C:\Program Files (x86)\Corvane\Corvane Vezuv Uvodoza\auto.css"]
PICTURES = {"res://NodwellInfo.EXE/#2/#138": "port.bmp",
            "res://NodwellInfo.EXE/#2/#148": "line_in.bmp"}
BODY_HANDLERS = {"oncontextmenu": "return false;", "ondrag": "return false;"}

BROWSER_TIMEOUT_SECONDS = 60
BROWSERS_AT_ONCE = 3

# Appended to the page copy: records, for every element of a tracked class, its own tracked
# classes, those of its ancestors and whether it is displayed, plus the text a reader sees.
PROBE = """
<script>
(function () {
  var tracked = %s;
  var elements = [];
  document.querySelectorAll("*").forEach(function (el) {
    var own = tracked.filter(function (c) { return el.classList.contains(c); });
    if (own.length === 0) return;
    var outer = [];
    for (var a = el.parentElement; a; a = a.parentElement)
      tracked.forEach(function (c) { if (a.classList.contains(c)) outer.push(c); });
    var style = getComputedStyle(el);
    elements.push({own: own, outer: outer,
                   visible: el.checkVisibility({visibilityProperty: true, opacityProperty: true}),
                   color: style.color, weight: style.fontWeight});
  });
  var result = {elements: elements, text: document.body.innerText,
                font: getComputedStyle(document.body).fontFamily,
                h1: getComputedStyle(document.querySelector("h1")).color};
  var out = document.createElement("pre");
  out.setAttribute("data-probe", "");
  out.hidden = true;
  out.textContent = JSON.stringify(result);
  document.body.appendChild(out);
})();
</script>
""" % json.dumps(TRACKED_CLASSES)


class Failures(list):
    def check(self, condition, message):
        if not condition:
            self.append(message)


class PageForm(html.parser.HTMLParser):
    """What the information program and the browser need from a page's markup."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids, self.scripts, self.handlers, self.links, self.images = [], 0, [], [], []
        self.body_handlers, self.meta_charset, self.title, self._in_title = {}, None, "", False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.append(tag)
        if tag == "script":
            self.scripts += 1
        events = {k: v for k, v in attrs.items() if k.startswith("on")}
        if tag == "body":
            self.body_handlers = events
        elif events:
            self.handlers.append(tag)
        if tag == "link":
            self.links.append(attrs.get("href"))
        if tag == "img":
            self.images.append(attrs.get("src"))
        if tag == "meta" and attrs.get("http-equiv", "").lower() == "content-type":
            self.meta_charset = attrs.get("content")
        self._in_title = tag == "title"

    def handle_endtag(self, tag):
        self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def check_resource(failures, source, resource):
    """The generated file is the source as UTF-16LE behind a byte-order mark."""
    data = resource.read_bytes()
    name = f"{resource.parent.name}/{resource.name}"
    failures.check(data[:2] == b"\xff\xfe", f"{name}: does not begin with the UTF-16LE mark")
    failures.check(data[2:4] == "<".encode("utf-16-le"), f"{name}: text does not begin with '<'")
    failures.check(data[2:] == source.read_bytes().decode("utf-8").encode("utf-16-le"),
                   f"{name}: is not {source} in UTF-16LE")


def check_form(failures, page, expected_title, expected_images, expected_links):
    form = PageForm()
    form.feed(page.read_text("utf-8"))
    name = f"{page.parent.name}/{page.name}"
    failures.check(form.title == expected_title, f"{name}: title {form.title!r}")
    failures.check(not form.ids, f"{name}: elements with an id: {form.ids}")
    failures.check(form.scripts == 0, f"{name}: has scripts")
    failures.check(not form.handlers, f"{name}: event attributes on {form.handlers}")
    failures.check(form.body_handlers == BODY_HANDLERS, f"{name}: body handlers {form.body_handlers}")
    failures.check(sorted(set(form.images)) == sorted(expected_images), f"{name}: pictures {form.images}")
    failures.check(form.links == expected_links, f"{name}: style-sheet links {form.links}")
    return form


def run_browser(chromium, work, url, action):
    profile = tempfile.mkdtemp(prefix="profile-", dir=work)
    command = [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
               "--no-first-run", "--disable-background-networking", "--disable-component-update",
               "--disable-sync", "--hide-scrollbars", f"--user-data-dir={profile}"] + action + [url]
    # Its own process group, so that a browser that hangs goes with all its helpers.
    browser = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                               text=True, start_new_session=True)
    try:
        stdout, stderr = browser.communicate(timeout=BROWSER_TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        os.killpg(browser.pid, signal.SIGKILL)
        browser.communicate()
        raise RuntimeError(f"chromium did not finish {url} in {BROWSER_TIMEOUT_SECONDS} s")
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    if browser.returncode != 0:
        raise RuntimeError(f"chromium exited with {browser.returncode} for {url}:\n{stderr[-2000:]}")
    return stdout


def page_copy(page, sheet, res_dir, work, name):
    """The page with its absolute style-sheet links replaced by one to `sheet` (or none), the
    pictures taken from the source bitmaps, and the probe."""
    text = page.read_text("utf-8")
    text = re.sub(r'<link rel="stylesheet"[^>]*>\n?', "", text)
    if sheet:
        link = f'<link rel="stylesheet" type="text/css" href="{sheet.as_uri()}">'
        text = text.replace("</head>", link + "</head>", 1)
    for address, bitmap in PICTURES.items():
        text = text.replace(address, (res_dir / bitmap).as_uri())
    text = text.replace("</body>", PROBE + "</body>", 1)
    copy = work / f"{name}.html"
    copy.write_text(text, "utf-8")
    return copy


def probe_page(chromium, work, copy, screenshot):
    """Runs the probe and takes the screenshot (the probe's output is hidden)."""
    dom = run_browser(chromium, work, copy.as_uri(),
                      ["--dump-dom", f"--screenshot={screenshot}", "--window-size=800,1200"])
    found = re.search(r"<pre data-probe=\"\"[^>]*>(.*?)</pre>", dom, re.S)
    if not found:
        raise RuntimeError(f"{copy.name}: the probe left no result")
    return json.loads(html.unescape(found.group(1)))


def expected_classes(sheet_name):
    """The classes a sheet leaves visible; None means no sheet, where everything shows."""
    if sheet_name is None:
        return set(TRACKED_CLASSES)
    family = sheet_name.removesuffix("_SM")
    music = WITH_MUSIC if sheet_name.endswith("_SM") else WITHOUT_MUSIC
    return FAMILY_MODES[family] | music | {"notice"}


def check_visibility(failures, case, language, result, visible_classes):
    """Every element of a tracked class shows exactly when its own classes and those of all
    its ancestors are visible ones; and the text a reader sees names exactly the visible
    alternatives."""
    seen = set()
    for element in result["elements"]:
        seen.update(element["own"])
        expected = set(element["own"] + element["outer"]) <= visible_classes
        failures.check(element["visible"] == expected,
                       f"{case}: element of class {element['own']} inside {element['outer']} "
                       f"is {'shown' if element['visible'] else 'hidden'}")
    failures.check(seen == set(TRACKED_CLASSES),
                   f"{case}: page lacks classes {sorted(set(TRACKED_CLASSES) - seen)}")
    text = result["text"]
    for cls, mode_name in MODE_NAMES[language].items():
        failures.check((mode_name in text) == (cls in visible_classes),
                       f"{case}: {mode_name!r} {'missing from' if cls in visible_classes else 'shown in'} the page")
    music = "SleepMusic" in visible_classes
    failures.check((MUSIC_TITLE in text) == music,
                   f"{case}: {MUSIC_TITLE!r} {'missing from' if music else 'shown in'} the page")


def check_look(failures, case, result):
    """The page's own style block, or the look part of a sheet, is in effect."""
    notices = [e for e in result["elements"] if e["own"] == ["notice"]]
    failures.check(all(e["color"] == "rgb(255, 0, 0)" and e["weight"] == "700" for e in notices),
                   f"{case}: footnotes not bold red")
    failures.check("Arial" in result["font"], f"{case}: body font {result['font']!r}")
    failures.check(result["h1"] == "rgb(29, 36, 88)", f"{case}: heading colour {result['h1']}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--chromium", default="chromium")
    parser.add_argument("--sources", type=pathlib.Path, required=True)
    parser.add_argument("--resources", type=pathlib.Path, required=True)
    parser.add_argument("--sheets", type=pathlib.Path, required=True)
    parser.add_argument("--bitmaps", type=pathlib.Path, required=True)
    parser.add_argument("--screenshots", type=pathlib.Path, required=True)
    parser.add_argument("--languages", nargs="+", required=True,
                        help='locale names; "neutral" for the pages in the program itself')
    args = parser.parse_args()

    chromium = shutil.which(args.chromium)
    if not chromium:
        sys.exit(f"{args.chromium} not found: run scripts/install-deps.sh")
    args.screenshots.mkdir(parents=True, exist_ok=True)
    sheet_names = [f"{family}{suffix}" for family in FAMILY_MODES for suffix in ("", "_SM")]
    failures = Failures()

    # Browser cases: (name, language, page, sheet name or None); page 137 never has a sheet.
    cases = []
    for language in args.languages:
        sources = args.sources / ("" if language == "neutral" else language)
        resources = args.resources / ("" if language == "neutral" else language)
        for page in ("page137", "page150"):
            check_resource(failures, sources / f"{page}.html", resources / f"{page}.utf16.html")
        check_form(failures, sources / "page137.html", "Corvane Zazez",
                   ["res://NodwellInfo.EXE/#2/#138"], [])
        form = check_form(failures, sources / "page150.html", "Corvane Vezuv Uvodoza",
                          list(PICTURES), SHEET_LINKS)
        failures.check(form.meta_charset == "text/html; charset=UTF-8",
                       f"{language}/page150: meta {form.meta_charset!r}")
        cases.append((f"{language}-page137", language, sources / "page137.html", None))
        for sheet_name in [None] + sheet_names:
            cases.append((f"{language}-page150-{sheet_name or 'no-sheet'}", language,
                          sources / "page150.html", sheet_name))

    with tempfile.TemporaryDirectory(prefix="info-pages-") as work_dir:
        work = pathlib.Path(work_dir)

        def run(case):
            name, _, page, sheet_name = case
            sheet = args.sheets / f"{sheet_name}.css" if sheet_name else None
            copy = page_copy(page, sheet, args.bitmaps, work, name)
            return probe_page(chromium, work, copy, args.screenshots / f"{name}.png")

        with concurrent.futures.ThreadPoolExecutor(max_workers=BROWSERS_AT_ONCE) as pool:
            results = list(pool.map(run, cases))

    for (name, language, page, sheet_name), result in zip(cases, results):
        failures.check((args.screenshots / f"{name}.png").is_file(), f"{name}: no screenshot")
        if page.name == "page137.html":
            failures.check(all(e["visible"] for e in result["elements"]), f"{name}: hidden footnotes")
            failures.check(len(result["elements"]) >= 6, f"{name}: fewer than six footnote marks")
            check_look(failures, name, result)
        else:
            check_visibility(failures, name, language, result, expected_classes(sheet_name))
            if sheet_name:
                check_look(failures, name, result)

    for failure in failures:
        print(f"FAIL: {failure}")
    print(f"{len(cases)} browser cases for {len(args.languages)} languages, "
          f"{len(failures)} failures; screenshots in {args.screenshots}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
