// The instrument memory on the page: "Keep settings (instrument memory)",
// remembered for the next visit; the memory's record in the browser's
// storage for the page's origin (localStorage, which every tab of the
// origin shares: the last complete write wins); "Forget the memory"; and
// "Export Set-up", a link that makes the settings that differ from the
// factory ones when opened. When to read and write, and what to say, is
// the firmware module's (web/page_memory.cpp): this holds the storage and
// the controls.
import { copyLink, shareLink } from './share_links.js';

const element = (id) => document.getElementById(id);
const optionKey = 'qs9-simulator.keep-settings';

function toBase64(bytes) {
  return btoa(String.fromCharCode(...bytes));
}

// A stored text that is no base64 gives its characters' bytes: no record.
function fromBase64(text) {
  try {
    return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  } catch {
    return new TextEncoder().encode(text);
  }
}

const faultText = (fault) => fault?.message || String(fault);

export class PageMemory {
  constructor({ firmware, display }) {
    Object.assign(this, { module: firmware.module, display });
    this.module.pageMemory = {
      read: (key) => this.read(key),
      write: (key, bytes) => this.write(key, bytes),
      move: (from, to) => this.move(from, to),
      say: (message) => display.say(message),
    };
    const box = element('keep-settings');
    box.checked = this.optionStored();
    if (box.checked)
      this.module._qs9WebMemoryKeepSettings(1);
    box.addEventListener('change', () => this.keepSettings(box.checked));
    element('forget-memory').addEventListener('click', () => this.module._qs9WebMemoryForget());
    element('export-setup').addEventListener('click', () => this.exportSetup());
    element('copy-setup-link').addEventListener('click', () => this.copySetupLink());
    // A closing page may get no other chance; a hidden one may be closed unseen.
    addEventListener('pagehide', () => this.module._qs9WebMemoryClose());
    document.addEventListener('visibilitychange', () => document.hidden && this.module._qs9WebMemoryClose());
  }

  // ---- the storage, as the module asks for it ----

  read(key) {
    try {
      const text = localStorage.getItem(key);
      return text === null ? null : fromBase64(text);
    } catch (fault) {
      return { error: faultText(fault) };
    }
  }

  // "" when stored whole; else why not (the storage full, or switched off).
  write(key, bytes) {
    try {
      localStorage.setItem(key, toBase64(bytes));
      return '';
    } catch (fault) {
      return faultText(fault);
    }
  }

  move(from, to) {
    try {
      if (localStorage.getItem(to) !== null)
        return 'taken';
      localStorage.setItem(to, localStorage.getItem(from) ?? '');
      localStorage.removeItem(from);
      return 'moved';
    } catch (fault) {
      return faultText(fault);
    }
  }

  // ---- the controls ----

  optionStored() {
    try {
      return localStorage.getItem(optionKey) === '1';
    } catch {
      return false;
    }
  }

  keepSettings(on) {
    let remembered = true;
    try {
      localStorage.setItem(optionKey, on ? '1' : '0');
    } catch {
      remembered = false;
    }
    this.module._qs9WebMemoryKeepSettings(on ? 1 : 0);
    const said = on ? 'Keep settings is on: a setting changed in a menu is kept when you leave the menus; ' +
                      'Off in the middle of a menu loses it'
                    : 'Keep settings is off: every On starts from the factory settings';
    this.display.say(remembered ? said : `${said} (for this visit only: the browser keeps nothing for this page)`);
  }

  async exportSetup() {
    const script = this.module.UTF8ToString(this.module._qs9WebSetupScript());
    element('setup-link').value = await shareLink(location.href, script);
    element('setup-share').hidden = false;
    const factory = !script.includes('\nset ');
    this.display.say(factory ? 'The settings are the factory ones; the set-up link makes them'
                             : 'Set-up link ready: opened, it makes these settings');
    return script;
  }

  copySetupLink() { return copyLink(element('setup-link'), 'Set-up link', this.display); }
}
