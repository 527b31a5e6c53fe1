// The owner's web view: one page, its parts shown by the address's "#"
// (today, reports, closings, chain). Everything comes from the server's
// JSON API (docs/web-api.md); nothing is fetched from elsewhere.
"use strict";

const state = {
  csrf: null,
  texts: {},
  language: "en",
  loggedIn: false,
  chain: false,
  kinds: null,
  day: null, // the business day, from /api/today
  refresh: null,
};

const REFRESH_MS = 30000;

function $(id) {
  return document.getElementById(id);
}

function t(key) {
  return state.texts[key] || key;
}

// "%1 of %2" with its arguments
function fill(text, ...args) {
  return args.reduce((s, a, i) => s.split("%" + (i + 1)).join(String(a)), text);
}

function count(n) {
  return new Intl.NumberFormat(state.language).format(n);
}

// "2026-12-05" as a day of the page's language
function dayText(iso, style) {
  if (!iso) return "";
  const [y, m, d] = iso.split("-").map(Number);
  return new Intl.DateTimeFormat(state.language, { dateStyle: style || "medium" })
    .format(new Date(y, m - 1, d));
}

function timeText(iso) {
  if (!iso) return "";
  const [date, time] = iso.split("T");
  const [y, m, d] = date.split("-").map(Number);
  const [hh, mm, ss] = (time || "0:0:0").split(":").map(Number);
  return new Intl.DateTimeFormat(state.language, { timeStyle: "short" })
    .format(new Date(y, m - 1, d, hh, mm, ss || 0));
}

function isoDay(date) {
  const p = (n) => String(n).padStart(2, "0");
  return date.getFullYear() + "-" + p(date.getMonth() + 1) + "-" + p(date.getDate());
}

function addDays(iso, days) {
  const [y, m, d] = iso.split("-").map(Number);
  return isoDay(new Date(y, m - 1, d + days));
}

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined && text !== null) e.textContent = text;
  return e;
}

function showMessage(text) {
  const m = $("message");
  m.textContent = text || "";
  m.hidden = !text;
}

class ApiError extends Error {
  constructor(status, message) {
    super(message);
    this.status = status;
  }
}

// A call of the API; JSON back unless `raw`. A missing login shows the
// login form.
async function api(path, options = {}) {
  const init = { credentials: "same-origin", headers: {}, cache: "no-store" };
  if (options.body !== undefined) {
    init.method = "POST";
    init.headers["Content-Type"] = "application/json";
    init.headers["X-CSRF-Token"] = state.csrf || "";
    init.body = JSON.stringify(options.body);
  }
  const response = await fetch(path, init);
  if (!response.ok) {
    let message = response.statusText;
    try {
      message = (await response.json()).error || message;
    } catch (e) {
      // not JSON: the status says it
    }
    if (response.status === 401 && path !== "/api/login") {
      await loadSession();
    }
    throw new ApiError(response.status, message);
  }
  return options.raw ? response.text() : response.json();
}

function applyTexts() {
  document.documentElement.lang = state.language;
  for (const e of document.querySelectorAll("[data-text]")) {
    e.textContent = t(e.dataset.text);
  }
  document.title = state.loggedIn && $("installation").textContent
    ? t("title") + " – " + $("installation").textContent
    : t("title");
}

function applySession(session) {
  state.csrf = session.csrf;
  state.texts = session.texts || state.texts;
  state.language = session.language || "en";
  state.loggedIn = !!session.loggedIn;
  state.chain = !!session.chain;
  $("installation").textContent = state.loggedIn ? session.installation || "" : "";
  $("userName").textContent = state.loggedIn ? session.user : "";
  $("account").hidden = !state.loggedIn;
  $("nav").hidden = !state.loggedIn;
  $("navChain").hidden = !state.chain;
  applyTexts();
}

async function loadSession() {
  const session = await api("/api/session");
  applySession(session);
  route();
}

// ---- the parts of the page ------------------------------------------------

const views = ["login", "today", "reports", "closings", "chain"];

// "#reports?kind=5&from=..." -> the part and its parameters: every view
// can be reached again by its address (a reload, a bookmark, the back key)
function place() {
  const [view, q] = (location.hash.slice(1) || "today").split("?");
  return { view, params: new URLSearchParams(q || "") };
}

function go(view, params) {
  const target = "#" + view + (params ? "?" + query(params) : "");
  if (location.hash === target) route();
  else location.hash = target;
}

function route() {
  let { view, params } = place();
  if (!state.loggedIn) view = "login";
  else if (!views.includes(view) || view === "login" || (view === "chain" && !state.chain))
    view = "today";
  for (const v of views) $(v).hidden = v !== view;
  for (const a of document.querySelectorAll("#nav a")) {
    a.classList.toggle("current", a.dataset.view === view);
    if (a.dataset.view === view) a.setAttribute("aria-current", "page");
    else a.removeAttribute("aria-current");
  }
  clearInterval(state.refresh);
  state.refresh = null;
  showMessage("");
  const show = { login: showLogin, today: showToday, reports: showReports,
                 closings: showClosings, chain: showChain }[view];
  show(params).catch((e) => showMessage(e.message));
}

async function showLogin() {
  $("loginPassword").value = "";
  $("loginUser").focus();
}

// ---- today --------------------------------------------------------------

function figureCard(value, caption, id) {
  const card = element("div", "figure");
  card.id = id;
  card.append(element("div", "value", value), element("div", "caption", caption));
  return card;
}

async function loadToday() {
  const today = await api("/api/today");
  state.day = today.day;
  const f = today.figures;
  const x = today.texts;
  $("todayDay").textContent = dayText(today.day, "full");
  $("todayAsOf").textContent = timeText(today.asOf);
  $("todayAsOf").dateTime = today.asOf;
  const last = today.lastClosing;
  // worded as the back office's "Today" panel words them, with the names of
  // the day's figures
  const c = today.captions;
  $("figures").replaceChildren(
    figureCard(x.allAmount, f.paidTables === 1 ? fill(t("takingsOne"), c.allAmount)
      : fill(t("takingsMany"), c.allAmount, count(f.paidTables)), "figTakings"),
    figureCard(count(f.guests), c.guests, "figCovers"),
    figureCard(fill(t("countAndAmount"), count(f.openTables), x.openTablesAmount),
      fill(t("twoFigures"), c.openTables, c.openTablesAmount), "figOpen"),
    figureCard(x.averageBill, fill(t("perPaidTable"), c.allAmount), "figAverage"),
    figureCard(fill(t("countAndAmount"), count(f.voids), x.voidAmount),
      fill(t("twoFigures"), c.voids, c.voidAmount), "figVoids"),
    figureCard(last ? fill(t("closingText"), dayText(last.day), last.z) : t("none"),
      t("lastClosing"), "figClosing"));
  // what later versions of the server add to the day
  showExtras("exceptions", "exceptionList", today.exceptions);
  showExtras("comparison", "comparisonList", today.comparison);
}

function showExtras(section, list, items) {
  const present = Array.isArray(items) && items.length > 0;
  $(section).hidden = !present;
  if (present) {
    $(list).replaceChildren(...items.map((i) => element("li", "", i.text || String(i))));
  }
}

function detailTable(group) {
  const box = element("div", "detail");
  box.append(element("h4", "", group.title));
  const table = element("table", "list small");
  const head = element("tr");
  for (const c of group.columns || []) head.append(element("th", "", c));
  table.append(head);
  for (const row of group.rows) {
    const tr = element("tr");
    for (const c of row) tr.append(element("td", "", c));
    table.append(tr);
  }
  const scroll = element("div", "scroll");
  scroll.append(table);
  box.append(scroll);
  return box;
}

async function loadOpenTables() {
  const open = await api("/api/open-tables");
  $("openSummary").textContent = open.count === 0 ? t("noOpenTables")
    : fill(t("openSummary"), count(open.count), open.sumText);
  const items = open.tables.map((table) => {
    const item = element("details", "table" + (table.held ? " held" : ""));
    const summary = element("summary");
    summary.append(element("span", "number", fill(t("tableText"), table.table, table.party)));
    if (table.held) {
      summary.append(element("span", "who", t("held")));
    } else {
      summary.append(element("span", "who", table.waiterName || fill(t("waiterText"), table.waiter)),
        element("span", "amount", table.amountText));
    }
    item.append(summary);
    for (const group of table.details) item.append(detailTable(group));
    return item;
  });
  $("openTables").replaceChildren(...items);
}

async function showToday() {
  await Promise.all([loadToday(), loadOpenTables()]);
  // live while the page is looked at
  state.refresh = setInterval(() => {
    if (document.hidden) return;
    Promise.all([loadToday(), loadOpenTables()]).catch((e) => showMessage(e.message));
  }, REFRESH_MS);
}

// ---- reports ------------------------------------------------------------

async function loadKinds() {
  if (!state.kinds) state.kinds = await api("/api/kinds");
  return state.kinds;
}

function kindOptions(select, summariesOnly) {
  const kinds = state.kinds;
  const groups = [
    [t("summaries"), kinds.kinds.filter((k) => k.side !== "journal")],
  ];
  if (!summariesOnly) {
    groups.push([t("journals"), kinds.kinds.filter((k) => k.side === "journal")]);
    groups.push([t("batches"), kinds.batches]);
  }
  const children = [];
  for (const [label, list] of groups) {
    if (list.length === 0) continue;
    const group = element("optgroup");
    group.label = label;
    for (const k of list) {
      const option = element("option", "", k.id + "  " + k.caption);
      option.value = k.id;
      group.append(option);
    }
    children.push(group);
  }
  const previous = select.value;
  select.replaceChildren(...children);
  select.value = previous || "5";
}

function kindInfo(id) {
  const all = state.kinds.kinds.concat(state.kinds.batches);
  return all.find((k) => String(k.id) === String(id));
}

function query(params) {
  const q = new URLSearchParams();
  for (const [k, v] of Object.entries(params)) {
    if (v !== undefined && v !== null && v !== "") q.set(k, v);
  }
  return q.toString();
}

async function showReports(params) {
  await loadKinds();
  kindOptions($("kind"), false);
  $("reportOut").hidden = true;
  if (!params.get("kind")) return;
  $("kind").value = params.get("kind");
  $("from").value = params.get("from") || "";
  $("to").value = params.get("to") || "";
  await loadReport({ kind: params.get("kind"), from: params.get("from"), to: params.get("to") });
}

function runReport(event) {
  event.preventDefault();
  go("reports", { kind: $("kind").value, from: $("from").value, to: $("to").value });
}

async function loadReport(params) {
  const base = "/api/report?" + query(params);
  const text = await api(base + "&format=text", { raw: true });
  $("reportText").textContent = text;
  $("pdfLink").href = base + "&format=pdf";
  $("csvLink").href = base + "&format=csv";
  $("jsonLink").href = base + "&format=json&download=1";
  const info = kindInfo(params.kind);
  const charted = !!(info && info.chart);
  $("chartBox").hidden = !charted;
  if (charted) {
    $("chart").alt = fill(t("chartOf"), info.caption);
    $("chart").src = base + "&format=svg";
  } else {
    $("chart").removeAttribute("src");
  }
  $("reportOut").hidden = false;
}

// ---- closings -----------------------------------------------------------

// as 'veltrum z' words it: "no" when a finding concerns the closing, "no
// record" for one made before closing records were kept
function verifiedMark(row) {
  if (!row.verified) return ["bad", t("verifiedNo")];
  if (!row.record) return ["muted", t("verifiedNoRecord")];
  return ["ok", t("verifiedYes")];
}

function closingKind(row) {
  if (row.kind === "day") return t("wholeDay");
  return fill(t("waiterText"), row.waiter ? row.waiter.name || row.waiter.number : "");
}

async function showClosings(params) {
  if (params.has("from") || params.has("to")) {
    $("closingsFrom").value = params.get("from") || "";
    $("closingsTo").value = params.get("to") || "";
  } else if (!$("closingsFrom").value && !$("closingsTo").value) {
    if (!state.day) state.day = (await api("/api/today")).day;
    $("closingsFrom").value = addDays(state.day, -31);
  }
  await loadClosings();
  if (params.get("z")) await showZ(params.get("z"));
}

function closingsPlace(z) {
  return { from: $("closingsFrom").value, to: $("closingsTo").value, z };
}

async function loadClosings() {
  const list = await api("/api/closings?" + query({ from: $("closingsFrom").value,
                                                    to: $("closingsTo").value }));
  // the newest first
  const rows = list.closings.slice().reverse().map((c) => {
    const tr = element("tr");
    const z = element("td");
    const open = element("button", "link", String(c.z));
    open.type = "button";
    open.addEventListener("click", () => go("closings", closingsPlace(c.z)));
    z.append(open);
    const [mark, word] = verifiedMark(c);
    tr.append(z, element("td", "", dayText(c.date)),
      element("td", "", closingKind(c)),
      element("td", "num", c.bills), element("td", "num", c.amountText || ""),
      element("td", mark, word));
    return tr;
  });
  $("closingsBody").replaceChildren(...rows);
  $("closingsEmpty").hidden = rows.length > 0;
  $("zOut").hidden = true;
}

async function showZ(z) {
  const base = "/api/z?" + query({ z });
  const text = await api(base + "&format=text", { raw: true });
  $("zText").textContent = text;
  $("zPdfLink").href = base + "&format=pdf";
  $("zJsonLink").href = base + "&format=json&download=1";
  $("zOut").hidden = false;
  $("zOut").scrollIntoView({ block: "start" });
}

// ---- chain --------------------------------------------------------------

async function showChain() {
  await loadKinds();
  kindOptions($("chainKind"), true);
  const outlets = await api("/api/chain/outlets");
  $("outlets").replaceChildren(...outlets.outlets.map((o) => {
    const label = element("label", "check");
    const box = element("input");
    box.type = "checkbox";
    box.checked = true;
    box.value = o.office;
    label.append(box, element("span", "", o.office + "  " + o.name));
    return label;
  }));
  if (!$("chainFrom").value && state.day) $("chainFrom").value = addDays(state.day, -1);
}

async function runChainReport(event) {
  event.preventDefault();
  showMessage("");
  const chosen = [...document.querySelectorAll("#outlets input:checked")].map((b) => b.value);
  const base = "/api/chain/report?" + query({
    kind: $("chainKind").value, from: $("chainFrom").value, to: $("chainTo").value,
    outlets: chosen.join(","), "per-outlet": $("perOutlet").checked ? "1" : "",
  });
  const text = await api(base + "&format=text", { raw: true });
  $("chainText").textContent = text;
  $("chainPdfLink").href = base + "&format=pdf";
  $("chainCsvLink").href = base + "&format=csv";
  $("chainJsonLink").href = base + "&format=json&download=1";
  $("chainOut").hidden = false;
}

// ---- log in and out -----------------------------------------------------

async function logIn(event) {
  event.preventDefault();
  showMessage("");
  const body = { user: $("loginUser").value, password: $("loginPassword").value };
  $("loginButton").disabled = true;
  try {
    let session;
    try {
      session = await api("/api/login", { body });
    } catch (e) {
      // the token of the login form lives ten minutes: a fresh one, once
      if (e.status !== 403) throw e;
      applySession(await api("/api/session"));
      session = await api("/api/login", { body });
    }
    $("loginPassword").value = "";
    applySession(session);
    route();
  } catch (e) {
    showMessage(e.message);
  } finally {
    $("loginButton").disabled = false;
  }
}

async function logOut() {
  try {
    await api("/api/logout", { body: {} });
  } catch (e) {
    // logged out anyway when the session had ended
  }
  state.kinds = null;
  await loadSession();
}

function start() {
  $("loginForm").addEventListener("submit", logIn);
  $("logout").addEventListener("click", () => logOut().catch((e) => showMessage(e.message)));
  $("reportForm").addEventListener("submit", runReport);
  $("closingsForm").addEventListener("submit", (e) => {
    e.preventDefault();
    go("closings", closingsPlace());
  });
  $("chainForm").addEventListener("submit",
    (e) => runChainReport(e).catch((x) => showMessage(x.message)));
  $("chart").addEventListener("error", () => { $("chartBox").hidden = true; });
  window.addEventListener("hashchange", route);
  loadSession().catch((e) => showMessage(e.message));
}

document.addEventListener("DOMContentLoaded", start);
