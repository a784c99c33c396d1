-- Drives Neovim's own LSP client, set up by the documented configuration,
-- against `ovantra-rules lsp` on a copy of the demo with planted faults (a
-- circle, an unknown advance after a name with accents, an attack out of
-- range). Run by lsp_neovim.sh.
local binary = 'ovantra-rules'  -- on the PATH, as the configuration wants it
local file = os.getenv('RULES_FILE')
local failures = {}
local function check(ok, what)
  if not ok then table.insert(failures, what) end
  return ok
end

-- The documented configuration (given as the user's init.lua) starts the
-- client when the file is read; its exit status and diagnostics are watched.
local published, exit_code, client_id
local starts = 0
local usual_handler = vim.lsp.handlers['textDocument/publishDiagnostics']
vim.lsp.handlers['textDocument/publishDiagnostics'] = function(err, result, ctx, config)
  published = result
  return usual_handler(err, result, ctx, config)
end
local start_client = vim.lsp.start_client
vim.lsp.start_client = function(config)
  config.on_exit = function(code) exit_code = code end
  starts = starts + 1
  client_id = start_client(config)
  return client_id
end

vim.cmd('edit ' .. vim.fn.fnameescape(file))
local buf = vim.api.nvim_get_current_buf()
local uri = vim.uri_from_bufnr(buf)
check(vim.bo.fileencoding == 'cp1252', 'the file is read as ' .. vim.bo.fileencoding)
if not client_id then
  io.stderr:write('FAILED: the configuration started no client\n')
  vim.cmd('cquit 1')
end
local client = vim.lsp.get_client_by_id(client_id)

-- The 0-based line that starts with `start`, and the UTF-16 column of
-- `needle` on it.
local function line_of(start)
  for i, text in ipairs(vim.api.nvim_buf_get_lines(buf, 0, -1, false)) do
    if vim.startswith(text, start) then return i - 1, text end
  end
  error('no line starts with ' .. start)
end
local function position(start, needle, after)
  local line, text = line_of(start)
  local byte = assert(text:find(needle, 1, true), needle) - 1 + (after and #needle or 0)
  local _, utf16 = vim.str_utfindex(text, byte)
  return { line = line, character = utf16 }, byte
end
local function request(method, params)
  params.textDocument = { uri = uri }
  local answers, err = vim.lsp.buf_request_sync(buf, method, params, 5000)
  local answer = answers and answers[client_id]
  if not check(answer ~= nil, method .. ': no answer (' .. tostring(err) .. ')') then return nil end
  return answer.result, answer.error
end
local function wait_for_diagnostics(after_version)
  return check(vim.wait(10000, function()
    return published ~= nil and (after_version == nil or (published.version or 0) > after_version)
  end, 20), 'no diagnostics within 10 s')
end
local function buffer_line(start) return select(2, line_of(start)) end

-- What `ovantra-rules check` says of the buffer as the rules file would hold it.
local function compare_with_check(what)
  local copy = vim.fn.tempname() .. '.txt'
  vim.cmd('silent write! ++enc=cp1252 ' .. vim.fn.fnameescape(copy))
  local problems = vim.json.decode(vim.fn.system({ binary, 'check', '--format=json', copy }))
  local diagnostics = published.diagnostics
  if not check(#diagnostics == #problems,
      what .. ': ' .. #diagnostics .. ' diagnostics, check says ' .. #problems) then return end
  for i, problem in ipairs(problems) do
    local d = diagnostics[i]
    check(d.code == problem.check and d.range.start.line + 1 == problem.line and d.message == problem.message
          and d.severity == (problem.severity == 'error' and 1 or 2) and d.source == 'ovantra-rules'
          and #(d.relatedInformation or {}) >= #problem.notes,
      what .. ': diagnostic ' .. i .. ' is ' .. vim.inspect(d) .. ', check says ' .. vim.inspect(problem))
  end
end

local function run()
if wait_for_diagnostics() then
  compare_with_check('on open')
  local codes = {}
  for _, d in ipairs(published.diagnostics) do table.insert(codes, d.code) end
  check(table.concat(codes, ' ') == 'prerequisite-circle unknown-advance out-of-range',
    'planted faults: ' .. table.concat(codes, ' '))
  -- The column after "Forêt Été", in UTF-16 as sent, and as Neovim shows it.
  local wdx, byte = position('For', 'Wdx')
  check(published.diagnostics[2].range.start.character == wdx.character, 'the column of "Wdx" as sent')
  local shown = vim.diagnostic.get(buf, { lnum = wdx.line })
  check(#shown == 1 and shown[1].col == byte, 'the column of "Wdx" as Neovim shows it')
end

-- Hover: an advance named on a unit's line, and the unit itself.
local hover = request('textDocument/hover', { position = position('Glass Lancer', 'Ggr') })
check(hover and hover.contents.value:find('**Glass Grinding (Ggr)**', 1, true), 'hover of Ggr: ' .. vim.inspect(hover))
hover = request('textDocument/hover', { position = position('Glass Lancer', 'Lancer') })
check(hover and hover.contents.value:find('- Attack: 4', 1, true) and hover.contents.value:find('Needs Glass Grinding', 1, true),
  'hover of a unit: ' .. vim.inspect(hover))

-- Definition and references of "Ggr".
local ggr = position('Glass Lancer', 'Ggr')
local definition = request('textDocument/definition', { position = ggr })
check(definition and definition.range.start.line == line_of('Glass Grinding'), 'definition of Ggr: ' .. vim.inspect(definition))
local references = request('textDocument/references', { position = ggr, context = { includeDeclaration = false } })
check(references and #references == 5, 'references of Ggr: ' .. vim.inspect(references))

-- Completion where an advance is expected, also from part of a name.
local completion = request('textDocument/completion', { position = position('Ember Guard', 'Emk') })
local labels = {}
for _, item in ipairs(completion and completion.items or {}) do labels[item.label] = item.detail end
check(labels['nil'] and labels['no'] and labels['Bgs'] == 'Bog Smelting', 'completion: ' .. vim.inspect(labels))
local emk, emk_byte = position('Ember Guard', 'Emk')
vim.api.nvim_buf_set_text(buf, emk.line, emk_byte, emk.line, emk_byte + 3, { 'smel' })
completion = request('textDocument/completion', { position = position('Ember Guard', 'smel', true) })
check(completion and #completion.items == 1 and completion.items[1].label == 'Bgs', 'completion of "smel": ' .. vim.inspect(completion))
vim.api.nvim_buf_set_text(buf, emk.line, emk_byte, emk.line, emk_byte + 4, { 'Emk' })

-- Inlay hints and code lens.
local hints = request('textDocument/inlayHint', { range = { start = { line = 0, character = 0 }, ['end'] = { line = 300, character = 0 } } })
local hinted = {}
for _, hint in ipairs(hints or {}) do hinted[hint.label] = true end
check(hinted['Bog Smelting'] and hinted['none'] and hinted['never'], 'inlay hints: ' .. vim.inspect(hints and #hints))
local lenses = request('textDocument/codeLens', {})
local glass_lens
for _, lens in ipairs(lenses or {}) do
  if lens.range.start.line == line_of('Glass Grinding') then glass_lens = lens.command.title end
end
check(glass_lens == 'needed by 3 advances, 1 unit; named on 1 other line', 'code lens: ' .. tostring(glass_lens))

-- The circle's quick fix, applied as Neovim applies workspace edits.
local version = published and published.version or 0
local circle = position('Bog Smelting', 'Oth')
local actions = request('textDocument/codeAction', { range = { start = circle, ['end'] = circle },
  context = { diagnostics = {} } }) or {}
check(#actions == 1 and actions[1].isPreferred, 'the circle\'s code actions: ' .. vim.inspect(actions))
if actions[1] then vim.lsp.util.apply_workspace_edit(actions[1].edit, client.offset_encoding) end
check(buffer_line('Bog Smelting') == 'Bog Smelting,     3,  1, Htl, nil, 0, 1  ; Bgs', 'after the fix: ' .. buffer_line('Bog Smelting'))

-- A rename refused, then one done.
local _, refused = request('textDocument/rename', { position = ggr, newName = 'Bgs' })
check(refused and refused.message:find('is taken', 1, true), 'rename to a taken abbreviation: ' .. vim.inspect(refused))
local edit = request('textDocument/rename', { position = ggr, newName = 'Grg' })
if edit then vim.lsp.util.apply_workspace_edit(edit, client.offset_encoding) end
local text = table.concat(vim.api.nvim_buf_get_lines(buf, 0, -1, false), '\n')
check(not text:find('Ggr', 1, true) and select(2, text:gsub('Grg', '')) == 6, 'after the rename, Grg is named ' .. select(2, text:gsub('Grg', '')) .. ' times')
check(buffer_line('Glass Orchard') == 'Glass Orchard,             30, Grg', 'the landmark after the rename')
check(buffer_line('Glass Lancer'):find('^Glass Lancer,    Btl, 0,  2.,0,   4a, 2d,  1h,1f, 4,0,  0, Grg, 0') ~= nil,
  'the unit line keeps its layout: ' .. buffer_line('Glass Lancer'))

-- Formatting aligns the columns, also after "Forêt Été", and then has
-- nothing more to do.
local formatting = request('textDocument/formatting', { options = { tabSize = 4, insertSpaces = true } })
if formatting then vim.lsp.util.apply_text_edits(formatting, buf, client.offset_encoding) end
local _, wdx_byte = position('For', 'Wdx')
local _, unh_byte = position('Oath Keeper', 'Unh')
check(vim.fn.strdisplaywidth(buffer_line('For'):sub(1, wdx_byte)) ==
      vim.fn.strdisplaywidth(buffer_line('Oath Keeper'):sub(1, unh_byte)),
  'aligned columns after "Forêt Été": ' .. buffer_line('For') .. ' / ' .. buffer_line('Oath Keeper'))
formatting = request('textDocument/formatting', { options = { tabSize = 4, insertSpaces = true } })
check(formatting and #formatting == 0, 'formatting twice: ' .. vim.inspect(formatting))

-- The diagnostics follow the edits, and still agree with the check.
if wait_for_diagnostics(version) then
  vim.wait(300, function() return false end)  -- the last change's diagnostics
  compare_with_check('after the edits')
end

-- Reading the file again keeps its one server, still attached.
vim.cmd('edit!')
vim.cmd('edit!')
check(starts == 1, ':e! twice started ' .. starts .. ' servers in all')
check(vim.lsp.buf_is_attached(buf, client_id), 'the file is not attached after :e!')

end

-- A script error is one more failure, never a hang.
local ok, err = xpcall(run, debug.traceback)
check(ok, tostring(err))
vim.lsp.stop_client(client_id)
check(vim.wait(5000, function() return exit_code ~= nil end, 20) and exit_code == 0,
  'the server ended with ' .. tostring(exit_code))

if #failures > 0 then
  for _, failure in ipairs(failures) do io.stderr:write('FAILED: ' .. failure .. '\n') end
  vim.cmd('cquit 1')
end
io.stderr:write('lsp_neovim: every check passed\n')
vim.cmd('qall!')
