#include "generator/StyleTemplates.h"

#include "model/NumberText.h"

#include <array>

namespace brindle {

namespace {

constexpr std::array<StyleTemplates, 2> kStyles = {{
    // Classic
    {true, "@media only screen and (-webkit-min-device-pixel-ratio: 2)", true, false, false, false,
     false, false, false, 2},
    // Modern
    {false, "@media (min-resolution: 2dppx)", false, true, true, true, true, true, true, 3},
}};

} // namespace

QLatin1String sideName(SideProperty property, const StyleTemplates& templates) {
    static constexpr std::array<std::array<const char*, 2>, 4> kNames = {{
        {"padding-left", "padding-inline-start"},
        {"padding-right", "padding-inline-end"},
        {"left", "inset-inline-start"},
        {"right", "inset-inline-end"},
    }};
    return QLatin1String(kNames[static_cast<size_t>(property)][templates.logicalSides ? 1 : 0]);
}

QString phoneMediaQuery(const OutputOptions& options) {
    // "Below the breakpoint": the largest width still below it, in CSS pixels.
    return QLatin1String("@media (max-width: ") +
           fixedDecimalsText(static_cast<double>(options.breakpoint) - 0.02, 2) +
           QLatin1String("px) {\n");
}

const StyleTemplates& styleTemplates(OutputStyle style) {
    return kStyles[style == OutputStyle::Modern ? 1 : 0];
}

QString writtenClassName(const OutputOptions& options) {
    // Every way in checks the name; one that got past them is never written.
    return isValidClassName(options.className) ? options.className
                                               : OutputOptions::defaultClassName();
}

MenuClassNames menuClassNames(const OutputOptions& options) {
    if (options.style != OutputStyle::Modern)
        return {};
    const QString name = writtenClassName(options);
    return {name + QStringLiteral("-link"), name + QStringLiteral("-sublink"),
            name + QLatin1Char('-'), QLatin1Char('.') + name + QStringLiteral("-nav "), name};
}

QString menuScriptText(const QString& className) {
    // Kept small and free of dependencies: it only adds what CSS cannot do (Escape, closing
    // on a press elsewhere, aria-expanded on the buttons, keeping an open drop-down inside the
    // window, marking the current page, the lists inside drop-downs, which open only from their
    // buttons and start shut but for the one that holds the current page). Hover, focus and a tap
    // open the sub-menus without it. The token stands for the menu's class name, written once.
    // setOpen() leaves at most one item open; one still under the pointer or the focus stays shut
    // until they leave it. After the pointer or the focus has left, the state is read a frame later
    // and again a quarter second later: an engine under load may still match :hover while it tells
    // of the leaving. The state is read once more when the page has loaded: a script run before the
    // stylesheet applied would report every list open.
    static const QString script = QStringLiteral(
        R"js((function () {
	"use strict";
	var name = "brindlenav", open = name + "-open", closed = name + "-closed",
		flip = name + "-flip";
	var menu = document.querySelector("." + name + "-nav ." + name);
	if (!menu) return;
	function owning(list) {
		return [].filter.call(list, function (li) {
			return button(li);
		});
	}
	var owners = owning(menu.children), inner = owning(menu.querySelectorAll(":scope li li"));
	function button(li) {
		return li.querySelector(":scope > button");
	}
	function expanded(li) {
		return button(li).getAttribute("aria-expanded") === "true";
	}
	function expand(li, on) {
		button(li).setAttribute("aria-expanded", String(on));
	}
	function shown(li) {
		return getComputedStyle(li.querySelector(":scope > ul")).display !== "none";
	}
	function place(li) {
		var ul = li.querySelector(":scope > ul"), w = document.documentElement.clientWidth;
		function out() {
			var r = ul.getBoundingClientRect();
			return Math.max(0, r.right - w) + Math.max(0, -r.left);
		}
		li.classList.remove(flip);
		var before = out();
		if (!before) return;
		li.classList.add(flip);
		if (out() >= before) li.classList.remove(flip);
	}
	function sync() {
		owners.forEach(function (li) {
			var on = shown(li);
			expand(li, on);
			if (on) place(li);
		});
	}
	function later() {
		requestAnimationFrame(sync);
		setTimeout(sync, 250);
	}
	function setOpen(li, show) {
		owners.forEach(function (o) {
			var mine = o === li && show;
			o.classList.toggle(open, mine);
			o.classList.toggle(closed, !mine && o.matches(":hover, :focus-within"));
		});
		sync();
	}
	owners.forEach(function (li) {
		button(li).addEventListener("click", function () {
			setOpen(li, !li.classList.contains(open));
		});
		li.addEventListener("mouseenter", sync);
		li.addEventListener("mouseleave", function () {
			// Shut by Escape, it stays shut while the focus is still inside.
			if (!li.matches(":focus-within")) li.classList.remove(closed);
			later();
		});
		li.addEventListener("focusin", function (event) {
			if (!li.contains(event.relatedTarget)) li.classList.remove(closed);
			sync();
		});
		li.addEventListener("focusout", function (event) {
			if (li.contains(event.relatedTarget)) return;
			li.classList.remove(open, closed);
			later();
		});
	});
	inner.forEach(function (li) {
		expand(li, false);
		button(li).addEventListener("click", function () {
			expand(li, !expanded(li));
			sync();
		});
	});
	document.addEventListener("pointerdown", function (event) {
		if (!menu.contains(event.target)) setOpen(null, false);
	});
	document.addEventListener("keydown", function (event) {
		if (event.key !== "Escape") return;
		var list = inner.filter(function (o) {
			return expanded(o) && o.querySelector(":scope > ul").contains(document.activeElement);
		})[0];
		if (list) {
			expand(list, false);
			button(list).focus();
			return;
		}
		var li = owners.filter(function (o) {
			return o.contains(document.activeElement);
		})[0] || owners.filter(shown)[0];
		if (!li) return;
		setOpen(li, false);
		if (li.contains(document.activeElement)) button(li).focus();
	});
	// The link to the page being shown, and the bar's item that holds it. A link keeps a
	// mark the page wrote itself.
	function address(u) {
		return u.protocol + "//" + u.host + u.pathname.replace(/\/$/, "/index.html");
	}
	[].forEach.call(menu.querySelectorAll("a[href]"), function (a) {
		if (a.getAttribute("href").charAt(0) !== "#" && address(a) === address(location) &&
			(!a.search || a.search === location.search))
			a.setAttribute("aria-current", "page");
	});
	[].forEach.call(menu.querySelectorAll("a[aria-current=page]"), function (a) {
		var li = a.parentElement, top = li;
		while (top.parentElement !== menu) top = top.parentElement;
		li.classList.add(name + "-current");
		if (top !== li) top.classList.add(name + "-section");
		inner.forEach(function (o) {
			if (o !== li && o.contains(li)) expand(o, true);
		});
	});
	addEventListener("load", sync);
	addEventListener("resize", sync);
	sync();
})();
)js");
    QString text = script;
    return text.replace(QLatin1String(MenuClassNames::kToken), className);
}

} // namespace brindle
