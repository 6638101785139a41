#include "station/Audio.h"
#include "support/StationFixture.h"

#include "forms/Form.h"
#include "forms/TestSeam.h"
#include "sound/Sound.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class F_Prueba : public forms::Form {
protected:
    void Design() override {}
};

class AudioTest : public StationFixture {
protected:
    // Other forms' tests in this program start the engine too: leave the output as found.
    ~AudioTest() override
    {
        sound::Close();
        qputenv("VARNOOK_SOUND_OUTPUT", output_);
    }

    const QByteArray output_ = qgetenv("VARNOOK_SOUND_OUTPUT");
};

TEST_F(AudioTest, LengthsGiveTheTextTheSecondsAndBothVariantsOfDuracion2)
{
    struct Case {
        quint32 ms;
        const char* text;
        double seconds;
        double rounded;
        double unrounded;
    };
    const Case cases[] = {
        {125500, "00:02:06", 126, 126, 125.5},
        {124500, "00:02:04", 124, 124, 124.5},
        {0, "00:00:00", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ms);
        const QString path = Wav(QString("Cuña año %1.wav").arg(c.ms), c.ms);
        double seconds = -1;
        EXPECT_EQ(Duracion(path, &seconds), c.text);
        EXPECT_EQ(seconds, c.seconds);
        EXPECT_EQ(Duracion(path), c.text);
        EXPECT_EQ(Duracion2(path, true), c.rounded);
        EXPECT_EQ(Duracion2(path, false), c.unrounded);
    }
    EXPECT_TRUE(Prompts().isEmpty());
}

TEST_F(AudioTest, AFileThatCannotBeOpenedShowsOneMessageAndLeavesTheSeconds)
{
    ASSERT_TRUE(QDir().mkdir(Path("carpeta")));
    QFile noise(Path("ruido.mp3"));
    ASSERT_TRUE(noise.open(QIODevice::WriteOnly));
    for (int i = 0; i < 30000; ++i)
        noise.putChar(static_cast<char>((i * 7919 + 13) % 251));
    noise.close();
    QFile empty(Path("vacio.mp3"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    for (const QString& path : {Path("Cuña año.mp3"), Path("carpeta"), empty.fileName(), noise.fileName()}) {
        SCOPED_TRACE(path.toStdString());
        const std::size_t before = forms::test::Messages().size();
        double seconds = 42;
        EXPECT_EQ(Duracion(path, &seconds), QString());
        EXPECT_EQ(seconds, 42);
        EXPECT_EQ(Prompts().mid(static_cast<int>(before)), QStringList{"Fichero invalido"});
        EXPECT_EQ(Duracion2(path, true), 0);
        EXPECT_EQ(Duracion2(path, false), 0);
        EXPECT_EQ(forms::test::Messages().size(), before + 1);
    }
}

TEST_F(AudioTest, AFailedStartShowsTheEngineErrorOnTheNextLine)
{
    qputenv("VARNOOK_SOUND_OUTPUT", "none");
    IniciarAudio(forms::Get<F_Prueba>());
    EXPECT_EQ(Prompts(), QStringList{"Erro al inicar el Driver de Audio\r\nError initializing output device."});
    // Measuring needs no device.
    EXPECT_EQ(Duracion2(Wav("a.wav", 1500), false), 1.5);
}

TEST_F(AudioTest, StartingAgainClosesTheRunningEngineFirst)
{
    qputenv("VARNOOK_SOUND_OUTPUT", "silent");
    IniciarAudio(forms::Get<F_Prueba>());
    IniciarAudio(forms::Get<F_Prueba>());
    EXPECT_TRUE(Prompts().isEmpty());
    const int stream = sound::Stream_Open(Wav("a.wav", 1000), 0, 0);
    EXPECT_EQ(sound::Stream_Play(1, stream), 1);
}

TEST(TextoErrorSonido, GivesTheEngineTextsLetterForLetterAndUnknownErrorBeyondThem)
{
    const std::pair<int, const char*> cases[] = {
        {0, "No errors"},
        {1, "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first."},
        {3, "Error initializing output device."},
        {12, "Not enough memory "},
        {19, "An error occured trying to open the specified CD device"},
        {20, "Unknown error"},
        {25, "Unknown error"},
        {-1, "Unknown error"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(TextoErrorSonido(code), text) << code;
}

}  // namespace
