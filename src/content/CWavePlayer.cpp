#include "content/CWavePlayer.h"

CWavePlayer::~CWavePlayer() { Close(); }

DWORD CWavePlayer::Play(HWND, const std::wstring&) { return MCIERR_UNSUPPORTED_FUNCTION; }

void CWavePlayer::Close() { m_device = 0; }
