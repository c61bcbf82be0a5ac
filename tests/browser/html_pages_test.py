#!/usr/bin/python3
"""The HTML pages of cartovex-cli in a real browser: Debian's chromium, headless and offline,
driven by selenium. Usage: html_pages_test.py CARTOVEX_CLI SOURCE_DIR. Exits 77 (skipped) when
chromium, chromedriver, selenium or html5lib is missing."""

import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

try:
    import html5lib
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
except ImportError:
    sys.exit(77)

CLI, SOURCE = sys.argv[1], pathlib.Path(sys.argv[2])
CHROMIUM, DRIVER = shutil.which("chromium"), shutil.which("chromedriver")
if not CHROMIUM or not DRIVER or not shutil.which("pdftotext"):
    sys.exit(77)

WORK = pathlib.Path(tempfile.mkdtemp())
HOME = WORK / "home"
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-dev-shm-usage"]  # containers have a small /dev/shm
HOSTILE = "<img src=x onerror=alert(1)>\"'&amp;<script>alert(2)</script>"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def cli(*args, expect=0):
    run = subprocess.run([CLI, "--home", str(HOME), *args], capture_output=True)
    check(run.returncode == expect, f"{args} exited {run.returncode}: {run.stderr[:300]}")
    return run.stdout


def strict_parse(path):
    try:
        html5lib.HTMLParser(strict=True).parse(path.read_bytes())
    except Exception as e:  # html5lib raises ParseError with the first error
        check(False, f"{path.name} is not well-formed: {e}")


def hostile_report():
    """The example with markup, quotes and "&" in the server name, a module name and an
    embedded file."""
    text = (SOURCE / "examples/config.txt").read_text(encoding="cp1252")
    text = text.replace("ACME-FS1", HOSTILE.replace(" ", "/"))
    text = text.replace("AFTER311.DXP", "<img/src=x/onerror=alert(3)>&\"'.DXP")
    text = text.replace("Top of file. [C:STARTUP.DXS]",
                        "Top of file. [C:STARTUP.DXS]\n" + HOSTILE, 1)
    path = WORK / "hostile.txt"
    path.write_text(text, encoding="cp1252", newline="\r\n")
    return path


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in FLAGS + ["--user-data-dir=" + str(WORK / "profile")]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(DRIVER), options=options)


def open_page(driver, path):
    driver.get(path.as_uri())
    logs = [e for e in driver.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]
    check(not logs, f"{path.name} logged {logs}")
    loaded = driver.execute_script("return performance.getEntriesByType('resource').length")
    check(loaded == 0, f"{path.name} requested {loaded} resources")


def colour(driver, element):
    return driver.execute_script("return getComputedStyle(arguments[0]).backgroundColor", element)


def example_page(driver):
    page = WORK / "example.html"
    data = json.loads(cli("analyze", str(SOURCE / "examples/config.txt"), "--json", "--html",
                          str(page)))
    strict_parse(page)
    open_page(driver, page)
    shown = [d.get_attribute("textContent") for d in
             driver.find_elements(By.CSS_SELECTOR, "#suggestions .suggestions div")]
    check(shown == data["Suggestions"], "the page holds every suggestion line")
    rows = driver.find_elements(By.CSS_SELECTOR, "#modules tr")[1:]
    modules = data["views"]["OOtherDXPListBox"]
    check(len(rows) == len(modules), "one row per module")
    expected = {None: ("rgba(0, 0, 0, 0)", ""), "yellow": ("rgb(255, 255, 0)", "driver"),
                "red": ("rgb(255, 0, 0)", "out of date")}
    for row, module in zip(rows, modules):
        text, mark = row.find_elements(By.TAG_NAME, "td")
        check(text.get_attribute("textContent") == module["text"], module["text"])
        check((colour(driver, row), mark.text) == expected[module["colour"]],
              f"{module['text']}: {colour(driver, row)} {mark.text}")
    check({m["colour"] for m in modules} == {None, "yellow", "red"}, "all three module colours")
    details = driver.find_elements(By.TAG_NAME, "details")
    check(details and not any(d.get_attribute("open") for d in details), "embedded files closed")

    pdf = WORK / "example.pdf"
    subprocess.run([CHROMIUM, *FLAGS, "--user-data-dir=" + str(WORK / "print"),
                    "--print-to-pdf=" + str(pdf), page.as_uri()],
                   capture_output=True, timeout=120)
    words = " ".join(subprocess.run(["pdftotext", str(pdf), "-"], capture_output=True,
                                    text=True).stdout.split())
    for line in data["Suggestions"]:
        if line.startswith(" \u2022 "):
            check(" ".join(line[3:].split()) in words, f"PDF holds {line!r}")


def hostile_page(driver):
    page = WORK / "hostile.html"
    cli("analyze", str(hostile_report()), "--html", str(page))
    strict_parse(page)
    open_page(driver, page)
    check(not driver.find_elements(By.TAG_NAME, "img"), "no img element from the report")
    check(not driver.find_elements(By.TAG_NAME, "script"), "no script element in a report page")
    handlers = driver.execute_script(
        "return [...document.querySelectorAll('*')].flatMap(e => [...e.attributes])"
        ".map(a => a.name).filter(n => n.startsWith('on'))")
    check(handlers == [], f"no event handler attribute: {handlers}")
    check(HOSTILE.replace(" ", "/") in driver.find_element(By.TAG_NAME, "h1").text,
          "the server name shows as text")


def dashboard(driver):
    compare = SOURCE / "tests/data/compare"
    reports = [SOURCE / "examples/config.txt", hostile_report(), compare / "postrix.txt",
               compare / "comp-fs2.txt", compare / "base-fs1.txt"]
    folder = WORK / "dash"
    cli("fleet", *map(str, reports), "--html-dir", str(folder), "-j", "2", expect=1)
    index = folder / "index.html"
    strict_parse(index)
    for page in (folder / "servers").iterdir():
        strict_parse(page)
    open_page(driver, index)
    counts = [li.text for li in driver.find_elements(By.CSS_SELECTOR, ".counts li")]
    check(counts[0] == "4 servers" and counts[-1] == "1 reports failed to load", str(counts))
    heads = driver.find_elements(By.CSS_SELECTOR, "#fleet thead th")
    for col, head in enumerate(heads):
        number = head.get_attribute("data-type") == "number"
        key = (lambda s: float(s or 0)) if number else str
        for reverse in (False, True):
            head.find_element(By.TAG_NAME, "button").click()
            values = driver.execute_script(
                "return [...document.querySelectorAll('#fleet tbody tr')]"
                ".map(r => r.cells[arguments[0]].textContent)", col)
            ordered = sorted(values, key=key, reverse=reverse)
            same = values == ordered if number else [v.lower() for v in values] == [
                v.lower() for v in sorted(values, key=str.lower, reverse=reverse)]
            check(same, f"column {head.text} sorted {'down' if reverse else 'up'}: {values}")
    links = [a.get_attribute("href") for a in driver.find_elements(By.CSS_SELECTOR, "#fleet a")]
    check(len(links) == 4, f"a link per loaded report: {links}")
    for link in links:
        driver.get(link)
        check(driver.title.startswith("Cartovex summary report: "), f"{link} opens its page")


def main():
    cli("db", "use", "uncontrolled")
    cli("db", "core", "add", "4.11:CLIB.DXP", "4.12")  # makes the example's CLIB red
    driver = browser()
    try:
        example_page(driver)
        hostile_page(driver)
        dashboard(driver)
    finally:
        driver.quit()
        shutil.rmtree(WORK, ignore_errors=True)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
