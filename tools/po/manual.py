"""A manual page in pieces a translator can take one at a time: the title's section name, each
heading, and each paragraph (with the font requests inside it and, after .TP, its tag). The
page's layout requests and its comments stay as they are. A piece's key names the page, its
heading and its place under the heading: "tolm.6: POPIS 2"."""
import re

# Requests that break a paragraph and carry no words of their own.
LAYOUT = {".PP", ".P", ".LP", ".TP", ".IP", ".br", ".sp", ".RS", ".RE", ".nf", ".fi"}
TITLE = re.compile(r'^(\.TH .* ")([^"]*)("\s*)$')


def pieces(name, page):
    """The page as a list of (key, text): key None for what stays as written."""
    out = []
    paragraph = []
    heading = ""
    count = 0

    def close():
        nonlocal count
        if paragraph:
            count += 1
            out.append((f"{name}: {heading} {count}", "\n".join(paragraph)))
            out.append((None, "\n"))
            paragraph.clear()

    for line in page.splitlines():
        request = line.split(" ", 1)[0] if line.startswith(".") else None
        title = TITLE.match(line)
        if title:
            close()
            out += [(None, title.group(1)), (f"{name}: .TH", title.group(2)), (None, title.group(3) + "\n")]
        elif request in (".SH", ".SS"):
            close()
            heading, count = line.split(" ", 1)[1], 0
            out += [(None, request + " "), (f"{name}: {heading}", heading), (None, "\n")]
        elif request in LAYOUT or line.startswith('.\\"'):
            close()
            out.append((None, line + "\n"))
        else:
            paragraph.append(line)
    close()
    return out


def translated(name, page, translations):
    """The page with each piece in its translation, from {key: (Czech, translation)}; a piece whose
    Czech differs from the page's is an error, named in the exception."""
    written = []
    for key, text in pieces(name, page):
        if key is None:
            written.append(text)
            continue
        czech, translation = translations.get(key, (None, None))
        if czech != text:
            raise KeyError(f"{key} is not translated from the page as it stands")
        written.append(translation)
    return "".join(written)
