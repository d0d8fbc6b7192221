#!/usr/bin/env python3
"""Checks that the information pages name only what the dialogs show.

Every control name in brackets and every quoted name (modes, buttons) on each page of a
language must be a text of that language's string tables, or such a text without its trailing
part in parentheses ("Mode4 (default)" may be named "Mode4"). Section headings in brackets
("[Setup]") name no control. Where the running text speaks of the battery limit as the
dialog's label does ("the lower limit of ..."), it goes on in the label's own words. Exits
non-zero, listing every name that is not found.
"""
import argparse
import html.parser
import pathlib
import re
import sys

# Quotation marks of each language's pages.
QUOTES = {"neutral": ('"', '"'), "de-DE": ("\u201e", "\u201c")}
# The word that joins the limit to what it limits in each language's label ("Lower limit of
# remaining battery life", "Untergrenze der Akkurestlaufzeit").
LIMIT_JOINS = {"neutral": "of", "de-DE": "der"}


class PageText(html.parser.HTMLParser):
    """The text a reader sees, section headings left out."""

    def __init__(self):
        super().__init__()
        self.parts = []
        self.in_heading = False

    def handle_starttag(self, tag, attrs):
        self.in_heading = self.in_heading or tag == "h2"

    def handle_endtag(self, tag):
        self.in_heading = self.in_heading and tag != "h2"

    def handle_data(self, data):
        if not self.in_heading:
            self.parts.append(data)

    def text(self):
        return " ".join("".join(self.parts).split())


def string_tables(rc_files):
    """Every text of the string tables by its id."""
    tables = {}
    for rc in rc_files:
        source = pathlib.Path(rc).read_text(encoding="utf-8")
        for match in re.finditer(r'^\s*(IDS_\w+)\s+"((?:[^"]|"")*)"', source, re.M):
            tables[match.group(1)] = match.group(2).replace('""', '"')
    return tables


def string_table_texts(tables):
    texts = set(tables.values())
    texts |= {re.sub(r"\s*\([^()]*\)$", "", text) for text in tables.values()}
    return texts


def limit_named_otherwise(text, label, join):
    """The places where the text begins the limit label's words and goes on in others."""
    limit, limited = label.split(f" {join} ", 1)
    start = re.escape(f"{limit} {join} ")
    return [f"{limit} {join} {match.group(1)}"
            for match in re.finditer(start + r"(\S+(?: \S+)?)", text, re.I)
            if not text[match.start(1):].lower().startswith(limited.lower())]


def page_text(page):
    parser = PageText()
    parser.feed(page.read_text(encoding="utf-8"))
    return parser.text()


def named_on_page(text, language):
    opening, closing = QUOTES[language]
    quoted = re.findall(re.escape(opening) + r"([^" + re.escape(closing) + r"]+)" + re.escape(closing), text)
    return re.findall(r"\[([^\]]+)\]", text) + quoted


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pages", type=pathlib.Path, required=True)
    parser.add_argument("--strings", nargs="+", action="append", required=True,
                        metavar=("LANGUAGE", "RC"),
                        help='a language ("neutral" for the programs\' own) and its .rc files')
    args = parser.parse_args()

    failures = []
    for language, *rc_files in args.strings:
        tables = string_tables(rc_files)
        texts = string_table_texts(tables)
        folder = args.pages / ("" if language == "neutral" else language)
        for page in ("page137.html", "page150.html"):
            text = page_text(folder / page)
            names = named_on_page(text, language)
            if not names:
                failures.append(f"{language}/{page}: names nothing")
            failures += [f"{language}/{page}: {name!r} is no text of the dialogs"
                         for name in dict.fromkeys(names) if name not in texts]
            failures += [f"{language}/{page}: {words!r} is not the label {tables['IDS_LIMIT_LABEL']!r}"
                         for words in limit_named_otherwise(text, tables["IDS_LIMIT_LABEL"], LIMIT_JOINS[language])]
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
